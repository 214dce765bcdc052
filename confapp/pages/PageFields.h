// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small building blocks shared by the pages of single fields: their radio
// groups, the length check of the store step and the lookup of a control by
// its dialog number.
#include <QString>

#include <initializer_list>
#include <map>

class QBoxLayout;
class QButtonGroup;
class QLineEdit;
class QRadioButton;
class QWidget;

// The program's title, which the standard field messages carry.
QString ProgramTitle();

// More than maxChars characters in edit: tells the user, puts the focus on
// the field and returns false.
bool CheckPageMaxChars(QWidget* page, QLineEdit& edit, int maxChars);

// A radio button that stands for value in group, appended to layout.
QRadioButton* AddRadio(QButtonGroup& group, QBoxLayout& layout, const QString& text, int value);

// Checks the button of value; with no such button none stays checked.
void CheckValue(QButtonGroup& group, int value);

// The controls of a page by their dialog numbers, for the enabling rules and
// for whoever drives the page from outside.
class PageControls {
public:
    template <class T>
    T* Add(int id, T* widget)
    {
        m_controls[id] = widget;
        return widget;
    }
    QWidget* Get(int id) const;
    // Enables (or shows) every control of ids.
    void SetEnabled(std::initializer_list<int> ids, bool on) const;
    void SetVisible(std::initializer_list<int> ids, bool on) const;

private:
    std::map<int, QWidget*> m_controls;
};
