// SPDX-License-Identifier: GPL-3.0-or-later
#include "Mnemonics.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QWidget>

#include <map>
#include <vector>

namespace {

// Only plain letters and digits: Alt with an umlaut is not on every keyboard.
bool Markable(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

QString TextOf(const QWidget* control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return static_cast<const QLabel*>(control)->text();
}

void SetTextOf(QWidget* control, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else
        static_cast<QLabel*>(control)->setText(text);
}

// Buttons of every kind, and labels that lead to a field; a label that only
// shows a value has no key to give. Controls the telephone's model hides
// take no letter from the ones on screen.
std::vector<QWidget*> Candidates(QWidget* root)
{
    std::vector<QWidget*> found;
    for (QWidget* child : root->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(child);
        if ((qobject_cast<QAbstractButton*>(child) || (label && label->buddy())) && !TextOf(child).isEmpty() &&
            child->isVisibleTo(root))
            found.push_back(child);
    }
    return found;
}

// The positions a text could underline, word starts first, so that "Lesen"
// gets L rather than e when both are free.
std::vector<int> Choices(const QString& text, const QSet<QChar>& reserved)
{
    std::vector<int> choices;
    QSet<QChar> seen = reserved;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text[i].toLower();
            const bool wordStart = i == 0 || !text[i - 1].isLetterOrNumber();
            if (Markable(c) && !seen.contains(c) && (pass == 1 || wordStart)) {
                seen.insert(c);
                choices.push_back(i);
            }
        }
    return choices;
}

// Letters are matched to controls so that as many controls as possible get
// one: a control whose letters are taken may move an earlier one to another
// of its letters (augmenting paths of a bipartite matching).
class LetterMatch {
public:
    explicit LetterMatch(std::vector<QString> texts, const QSet<QChar>& reserved) : m_texts(std::move(texts))
    {
        for (const QString& text : m_texts)
            m_choices.push_back(Choices(text, reserved));
        m_chosen.assign(m_texts.size(), -1);
        for (size_t control = 0; control < m_texts.size(); ++control) {
            std::vector<bool> visited(m_texts.size(), false);
            Place(control, visited);
        }
    }
    // The position underlined in the control's text, or -1.
    int Chosen(size_t control) const { return m_chosen[control]; }

private:
    bool Place(size_t control, std::vector<bool>& visited)
    {
        for (int at : m_choices[control]) {
            const QChar c = m_texts[control][at].toLower();
            const auto owner = m_owner.find(c);
            if (owner != m_owner.end() && (visited[owner->second] || (visited[owner->second] = true, false)))
                continue;
            if (owner == m_owner.end() || Place(owner->second, visited)) {
                m_owner[c] = control;
                m_chosen[control] = at;
                return true;
            }
        }
        return false;
    }

    std::vector<QString> m_texts;
    std::vector<std::vector<int>> m_choices;
    std::vector<int> m_chosen;
    std::map<QChar, size_t> m_owner;
};

} // namespace

QChar MnemonicOf(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i; // "&&" is a plain ampersand
    }
    return {};
}

QSet<QChar> MenuBarMnemonics(const QWidget* root)
{
    QSet<QChar> letters;
    if (const QMenuBar* bar = root->window()->findChild<QMenuBar*>())
        for (const QAction* action : bar->actions())
            if (const QChar c = MnemonicOf(action->text()); !c.isNull())
                letters.insert(c);
    return letters;
}

void AssignMnemonics(QWidget* root, const QSet<QChar>& reserved)
{
    QSet<QChar> taken = reserved;
    std::vector<QWidget*> unmarked;
    for (QWidget* control : Candidates(root)) {
        if (const QChar c = MnemonicOf(TextOf(control)); !c.isNull())
            taken.insert(c);
        else
            unmarked.push_back(control);
    }
    std::vector<QString> texts;
    for (const QWidget* control : unmarked)
        texts.push_back(TextOf(control));
    const LetterMatch match(texts, taken);
    for (size_t i = 0; i < unmarked.size(); ++i)
        if (const int at = match.Chosen(i); at >= 0) // out of letters: the control keeps its plain text
            SetTextOf(unmarked[i], texts[i].insert(at, QLatin1Char('&')));
}
