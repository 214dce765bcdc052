// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlgE_DialKey.h"
#include "Mnemonics.h"

#include "Cp1252.h"
#include "Derivat.h"
#include "FilteredEdits.h"
#include "KeyChoiceLists.h"
#include "ValueTexts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyleOption>
#include <QVBoxLayout>

namespace {

// By KeyUse; the buttons' texts are ValueTexts::kKeyUse.
struct KindInfo {
    int DerivatProperties::*prop; // nullptr: always offered
    bool lowKeysOnly;             // only keys 1 to 7 can have this kind
};

constexpr KindInfo kKindInfo[CDlgE_DialKey::kKinds] = {
    {nullptr, false},
    {&DerivatProperties::PropKeyLine, true},
    {&DerivatProperties::PropKeyExt, true},
    {&DerivatProperties::PropKeyMsn, false},
    {&DerivatProperties::PropKeyVariant, false},
    {&DerivatProperties::PropKeyVariant, false},
    {&DerivatProperties::PropKeyTeamLogout, false},
    {&DerivatProperties::PropKeyIntercom, false},
    {&DerivatProperties::PropKeyIntercom, false},
    {&DerivatProperties::PropKeyAnnounce, false},
    {&DerivatProperties::PropKeyAnnounce, false},
    {&DerivatProperties::PropKeyChefSec, true},
    {&DerivatProperties::PropKeyChefSec, true},
};
static_assert(ValueTexts::kKeyUse.size() == CDlgE_DialKey::kKinds);

constexpr int kFirstSecondLevelKey = 8;

// The "Tastenart" group greys only its title when no kind besides
// "Zielwahltaste" is offered: a disabled QGroupBox would disable every button
// in it, and "Zielwahltaste" must stay usable for every key.
class KindGroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    void SetTitleEnabled(bool on)
    {
        m_titleEnabled = on;
        update();
    }
    bool TitleEnabled() const { return m_titleEnabled; }

protected:
    void initStyleOption(QStyleOptionGroupBox* option) const override
    {
        QGroupBox::initStyleOption(option);
        if (m_titleEnabled)
            return;
        option->state &= ~QStyle::State_Enabled;
        option->palette.setCurrentColorGroup(QPalette::Disabled);
        option->textColor = option->palette.color(QPalette::Disabled, QPalette::WindowText);
    }

private:
    bool m_titleEnabled = true;
};

// A page of the group stack: the group at the top, free room below.
QWidget* StackPage(QWidget* group)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    if (group)
        layout->addWidget(group);
    layout->addStretch();
    return page;
}

// The team lists end with "Alle", which the telephone knows as no team.
std::string TeamText(const QComboBox& box)
{
    if (box.currentIndex() == box.count() - 1)
        return {};
    return ToCp1252(box.currentText());
}

} // namespace

CDlgE_DialKey::CDlgE_DialKey(const CData_DialKey& key, const CDerivat& switches, QWidget* parent)
    : QDialog(parent), m_switches(switches)
{
    setWindowTitle(QStringLiteral("Taste bearbeiten"));
    m_keyLabel = new QLineEdit;
    m_keyLabel->setReadOnly(true);
    m_keyLabel->setMaximumWidth(60);
    auto* keyRow = new QFormLayout;
    keyRow->addRow(QStringLiteral("Taste"), m_keyLabel);

    m_groups = new QStackedWidget;
    BuildFieldGroups();
    auto* body = new QHBoxLayout;
    body->addWidget(BuildKindGroup(), 0, Qt::AlignTop);
    body->addSpacing(15);
    body->addWidget(m_groups, 0, Qt::AlignTop);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(keyRow);
    layout->addLayout(body);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Load(key);
    AssignMnemonics(this);
}

QWidget* CDlgE_DialKey::BuildKindGroup()
{
    m_kindGroup = new KindGroupBox(QStringLiteral("Tastenart"));
    m_kinds = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(m_kindGroup);
    for (int kind = 0; kind < kKinds; ++kind) {
        auto* button = new QRadioButton(FromCp1252(ValueTexts::kKeyUse[static_cast<std::size_t>(kind)]));
        m_kinds->addButton(button, kind);
        layout->addWidget(button);
    }
    connect(m_kinds, &QButtonGroup::idClicked, this, &CDlgE_DialKey::ShowKind);
    return m_kindGroup;
}

void CDlgE_DialKey::BuildFieldGroups()
{
    const QString number = QStringLiteral("Rufnummer");
    const QString team = QStringLiteral("Teamauswahl");
    QWidget* groups[kKinds] = {
        BuildDialGroup(),
        ChoiceGroup(QStringLiteral("Linientaste"), number, m_lineMsn),
        ChoiceGroup(QStringLiteral("Leitungstaste"), QStringLiteral("Kanal-Nummer"), m_channel),
        BuildMsnGroup(),
        nullptr,
        ChoiceGroup(QStringLiteral("Tag/Nachtschaltung Team"), team, m_variantTeam),
        ChoiceGroup(QStringLiteral("Ein/Ausloggen Team"), team, m_logoutTeam),
        ChoiceGroup(QStringLiteral("Wechselsprechen"), number, m_intercom),
        nullptr,
        ChoiceGroup(QStringLiteral("Durchsage"), number, m_announce),
        nullptr,
        // A chef key calls the secretariat and a secretariat key the chef.
        ChoiceGroup(QStringLiteral("Sekretariat"), number, m_chef),
        ChoiceGroup(QStringLiteral("Chef"), number, m_sec),
    };
    for (QWidget* group : groups)
        m_groups->addWidget(StackPage(group));
}

QWidget* CDlgE_DialKey::BuildDialGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Zielwahltaste"));
    m_dialMsn = new CEdit_Msn;
    m_dialMsn->setMaxLength(20);
    auto* use = new QGroupBox(QStringLiteral("Nutzung"));
    auto* useLayout = new QVBoxLayout(use);
    m_dialUse = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(FromCp1252(ValueTexts::kDialKeyUse[static_cast<std::size_t>(i)]));
        m_dialUse->addButton(button, i);
        useLayout->addWidget(button);
    }
    auto* layout = new QFormLayout(group);
    layout->addRow(QStringLiteral("Rufnummer"), m_dialMsn);
    layout->addRow(use);
    return group;
}

QWidget* CDlgE_DialKey::BuildMsnGroup()
{
    auto* group = new QGroupBox(QStringLiteral("MSN-Belegung"));
    m_msnId = new QComboBox;
    for (const char* item : ValueTexts::kMsnKeyMsnId)
        m_msnId->addItem(FromCp1252(item));
    m_preCall = new CEdit_Msn;
    m_preCall->setMaxLength(17);
    auto* layout = new QFormLayout(group);
    layout->addRow(QStringLiteral("MSN-Nr."), m_msnId);
    layout->addRow(QStringLiteral("PreCall Nummer"), m_preCall);
    return group;
}

QWidget* CDlgE_DialKey::ChoiceGroup(const QString& title, const QString& label, QComboBox*& box)
{
    auto* group = new QGroupBox(title);
    box = new QComboBox;
    box->setMinimumContentsLength(4);
    auto* layout = new QFormLayout(group);
    layout->addRow(label, box);
    return group;
}

void CDlgE_DialKey::Load(const CData_DialKey& key)
{
    const DerivatProperties& props = m_switches.props;
    m_keyLabel->setText(FromCp1252(key.KeyLabel()));
    m_dialMsn->setText(FromCp1252(key.DialKeyMsn));
    if (QAbstractButton* use = m_dialUse->button(key.DialKeyUse))
        use->setChecked(true);
    FillChoices(*m_lineMsn, InternalNumberChoices(props, true), FromCp1252(key.LineKeyMsn));
    FillChoices(*m_channel, ChannelChoices(props), FromCp1252(key.ExtKeyChannel));
    m_msnId->setCurrentIndex(key.MsnKeyMsnId);
    m_preCall->setText(FromCp1252(key.MsnKeyMsn));
    FillChoices(*m_variantTeam, TeamChoices(props), FromCp1252(key.VariantKeyMsnTeam));
    FillChoices(*m_logoutTeam, TeamChoices(props), FromCp1252(key.LogOutKeyMsnTeam));
    FillChoices(*m_intercom, InternalNumberChoices(props, false), FromCp1252(key.IntercomKeyMsnInt));
    FillChoices(*m_announce, InternalNumberChoices(props, false), FromCp1252(key.AnnounceKeyMsnInt));
    FillChoices(*m_chef, InternalNumberChoices(props, false), FromCp1252(key.ChefKeyMsnInt));
    FillChoices(*m_sec, InternalNumberChoices(props, false), FromCp1252(key.SecKeyMsnInt));
    EnableKinds(key.Index());
    // A kind the key may no longer have stays checked, so the user sees it.
    if (QAbstractButton* kind = m_kinds->button(key.KeyUse))
        kind->setChecked(true);
    ShowKind(key.KeyUse);
}

bool CDlgE_DialKey::KindAllowed(int kind, int keyNumber, const DerivatProperties& props)
{
    if (kind < 0 || kind >= kKinds)
        return false;
    const KindInfo& info = kKindInfo[kind];
    if (info.lowKeysOnly && keyNumber >= kFirstSecondLevelKey)
        return false;
    return info.prop == nullptr || props.*info.prop != 0;
}

void CDlgE_DialKey::EnableKinds(int keyNumber)
{
    bool anyOther = false;
    for (int kind = 0; kind < kKinds; ++kind) {
        const bool allowed = KindAllowed(kind, keyNumber, m_switches.props);
        m_kinds->button(kind)->setEnabled(allowed);
        anyOther = anyOther || (kind > 0 && allowed);
    }
    static_cast<KindGroupBox*>(m_kindGroup)->SetTitleEnabled(anyOther);
}

bool CDlgE_DialKey::KindGroupActive() const
{
    return static_cast<const KindGroupBox*>(m_kindGroup)->TitleEnabled();
}

void CDlgE_DialKey::ShowKind(int kind)
{
    if (kind >= 0 && kind < kKinds)
        m_groups->setCurrentIndex(kind);
}

QAbstractButton* CDlgE_DialKey::KindButton(int kind) const
{
    return m_kinds->button(kind);
}

QWidget* CDlgE_DialKey::ShownGroup() const
{
    return m_groups->currentWidget();
}

QAbstractButton* CDlgE_DialKey::DialUseButton(int use) const
{
    return m_dialUse->button(use);
}

void CDlgE_DialKey::accept()
{
    // The empty team item means all teams as well; show it as such.
    for (QComboBox* team : {m_variantTeam, m_logoutTeam})
        if (team->currentIndex() == 0)
            team->setCurrentIndex(team->count() - 1);
    QDialog::accept();
}

void CDlgE_DialKey::StoreTo(CData_DialKey& key) const
{
    if (m_kinds->checkedId() >= 0)
        key.KeyUse = m_kinds->checkedId();
    if (m_dialUse->checkedId() >= 0)
        key.DialKeyUse = m_dialUse->checkedId();
    CData::StrToMsnExt(key.DialKeyMsn, ToCp1252(m_dialMsn->text()));
    CData::StrToMsnInt(key.LineKeyMsn, ToCp1252(m_lineMsn->currentText()), m_switches.Rules());
    CData::StrToChannel(key.ExtKeyChannel, ToCp1252(m_channel->currentText()));
    CData::StrToMsnPreCall(key.MsnKeyMsn, ToCp1252(m_preCall->text()));
    CData::StrToTeam(key.VariantKeyMsnTeam, TeamText(*m_variantTeam));
    CData::StrToTeam(key.LogOutKeyMsnTeam, TeamText(*m_logoutTeam));
    CData::StrToMsnInt(key.IntercomKeyMsnInt, ToCp1252(m_intercom->currentText()), m_switches.Rules());
    CData::StrToMsnInt(key.AnnounceKeyMsnInt, ToCp1252(m_announce->currentText()), m_switches.Rules());
    CData::StrToMsnInt(key.ChefKeyMsnInt, ToCp1252(m_chef->currentText()), m_switches.Rules());
    CData::StrToMsnInt(key.SecKeyMsnInt, ToCp1252(m_sec->currentText()), m_switches.Rules());
    if (m_msnId->currentIndex() >= 0)
        key.MsnKeyMsnId = m_msnId->currentIndex();
}
