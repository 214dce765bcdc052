// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Single-line entry fields that accept only the characters their field may
// hold: others are dropped with a beep, pasted text is normalised (beep when
// that changed its length). Backspace is always accepted.
#include "Derivat.h"

#include <QLineEdit>

class CFilteredEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CFilteredEdit(QWidget* parent = nullptr);

protected:
    virtual bool Accepts(QChar c) const = 0;
    // The normalisation of the whole text (Windows-1252 bytes in the codecs).
    virtual QString Normalise(const QString& text) const = 0;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnTextChanged(const QString& text);
};

class CEdit_Num : public CFilteredEdit {
public:
    using CFilteredEdit::CFilteredEdit;
protected:
    bool Accepts(QChar c) const override;
    QString Normalise(const QString& text) const override;
};

class CEdit_Msn : public CFilteredEdit {
public:
    using CFilteredEdit::CFilteredEdit;
protected:
    bool Accepts(QChar c) const override;
    QString Normalise(const QString& text) const override;
};

class CEdit_Name : public CFilteredEdit {
public:
    // rules: of the telephone the name is for (its character set).
    explicit CEdit_Name(const CodecRules& rules, QWidget* parent = nullptr)
        : CFilteredEdit(parent), m_rules(rules)
    {
    }
protected:
    bool Accepts(QChar c) const override;
    QString Normalise(const QString& text) const override;

private:
    CodecRules m_rules;
};

class CEdit_PayMult : public CFilteredEdit {
public:
    using CFilteredEdit::CFilteredEdit;
protected:
    bool Accepts(QChar c) const override;
    QString Normalise(const QString& text) const override;
};
