// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One tab of the property sheet. The view loads the active page from the
// document data when it becomes current and stores it back when another tab
// is chosen; a page whose field checks fail keeps the focus and stores nothing.
#include "CQ410CfDoc.h"
#include "Mnemonics.h"

#include <QString>
#include <QWidget>

class CData_All;

class CPropertyPage : public QWidget {
public:
    // doc: the document whose data the page edits, under its switches.
    CPropertyPage(CQ410CfDoc& doc, const QString& caption, int dialogId, QWidget* parent = nullptr)
        : QWidget(parent), m_doc(doc), m_data(doc.Data()), m_caption(caption), m_dialogId(dialogId)
    {
    }

    const QString& Caption() const { return m_caption; }
    int DialogId() const { return m_dialogId; }

    // Load direction: enabling rules from the document's switches, then data -> controls.
    virtual void LoadFromData() = 0;
    // Store direction: field checks first; on a failure show the message, put
    // the focus on the field and return false with the data untouched.
    virtual bool StoreToData() = 0;

protected:
    const CDerivat& Switches() const { return m_doc.Switches(); }

    // Only a page on screen knows its window's menu bar, whose letters it leaves free.
    void showEvent(QShowEvent* event) override
    {
        AssignMnemonics(this, MenuBarMnemonics(this));
        QWidget::showEvent(event);
    }

    CQ410CfDoc& m_doc;
    CData_All& m_data;

private:
    QString m_caption;
    int m_dialogId;
};
