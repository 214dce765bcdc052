// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilteredEdits.h"

#include "CData.h"
#include "Cp1252.h"
#include "MessageBoxes.h"

#include <QKeyEvent>

#include <algorithm>
#include <string>

namespace {

using Codec = bool (*)(std::string&, std::string_view);

// Characters Windows-1252 cannot hold have no place in any field: they are
// left out before the field's own filter runs.
std::string RepresentableBytes(const QString& text)
{
    std::string bytes;
    for (const QChar c : text) {
        bool lossless = false;
        const std::string one = ToCp1252(QString(c), &lossless);
        if (lossless)
            bytes += one;
    }
    return bytes;
}

QString Filtered(const QString& text, Codec codec)
{
    std::string out;
    codec(out, RepresentableBytes(text));
    return FromCp1252(out);
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Key texts that are not characters of a field (backspace, delete, the
// control codes of the copy and paste shortcuts) are always let through.
bool IsControlText(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

} // namespace

CFilteredEdit::CFilteredEdit(QWidget* parent) : QLineEdit(parent)
{
    // Only what the user types or pastes is filtered: a stored value set by the
    // program is shown as it is, so that opening a record and pressing OK never
    // changes it behind the user's back.
    connect(this, &QLineEdit::textEdited, this, &CFilteredEdit::OnTextChanged);
}

void CFilteredEdit::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool shortcut = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
    if (!shortcut && !text.isEmpty() && !IsControlText(text)) {
        const bool accepted = std::all_of(text.begin(), text.end(), [this](QChar c) { return Accepts(c); });
        if (!accepted) {
            Beep();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void CFilteredEdit::OnTextChanged(const QString& text)
{
    const QString normalised = Normalise(text);
    if (normalised.size() == text.size())
        return;
    // Keep the cursor near where the user was, moved back by what was removed.
    const qsizetype removed = text.size() - normalised.size();
    const qsizetype cursor = std::clamp<qsizetype>(cursorPosition() - removed, 0, normalised.size());
    setText(normalised);
    setCursorPosition(static_cast<int>(cursor));
    Beep();
}

bool CEdit_Num::Accepts(QChar c) const
{
    return IsDigit(c);
}

QString CEdit_Num::Normalise(const QString& text) const
{
    return Filtered(text, &CData::StrToNumStr);
}

bool CEdit_Msn::Accepts(QChar c) const
{
    return IsDigit(c) || c == QLatin1Char('#') || c == QLatin1Char('*');
}

QString CEdit_Msn::Normalise(const QString& text) const
{
    return Filtered(text, &CData::StrToMsnStr);
}

// The name set follows the telephone (extended with PropCharSetExt), so the
// codec decides.
bool CEdit_Name::Accepts(QChar c) const
{
    return Normalise(QString(c)).size() == 1;
}

QString CEdit_Name::Normalise(const QString& text) const
{
    std::string out;
    CData::StrToNameStr(out, RepresentableBytes(text), m_rules);
    return FromCp1252(out);
}

bool CEdit_PayMult::Accepts(QChar c) const
{
    return IsDigit(c) || c == QLatin1Char(',');
}

QString CEdit_PayMult::Normalise(const QString& text) const
{
    return Filtered(text, &CData::StrToPayMultStr);
}
