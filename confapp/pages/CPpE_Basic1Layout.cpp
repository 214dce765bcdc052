// SPDX-License-Identifier: GPL-3.0-or-later
// Building of the page "Allgemein": two columns, the volumes, charges, park
// code, phone type and software version on the left, the choices and
// options on the right.
#include "CPpE_Basic1.h"

#include "CPicture.h"
#include "Cp1252.h"
#include "FilteredEdits.h"
#include "PictureArt.h"
#include "ValueTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

void CPpE_Basic1::BuildControls()
{
    auto* left = new QVBoxLayout;
    left->addWidget(BuildVolume(1141, 1031, QStringLiteral("Lautsprecher Lautstärke"), m_loudBox));
    left->addWidget(BuildVolume(1142, 1033, QStringLiteral("Hörer Lautstärke"), m_loudHand));
    left->addWidget(BuildCharges());
    left->addWidget(BuildParkCode());
    left->addWidget(BuildPhoneType());
    left->addWidget(BuildSoftwareVersion());
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(BuildChoice(1080, QStringLiteral("Wahlkontrolle"), m_dialFilter, {1081, 1082, 1083},
                                 ValueTexts::kDialFilterUse));
    right->addWidget(BuildChoice(1090, QStringLiteral("Quittungstöne"), m_quitTone, {1091, 1092, 1093},
                                 ValueTexts::kQuitTone));
    right->addWidget(BuildChoice(1100, QStringLiteral("Ruhe vor dem Telefon"), m_silence, {1101, 1102, 1103},
                                 ValueTexts::kSilence));
    right->addWidget(BuildOptions());
    right->addStretch();

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
}

QWidget* CPpE_Basic1::BuildVolume(int pictureId, int sliderId, const QString& label, QSlider*& slider)
{
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(label);
    grid->addWidget(caption, 0, 1, 1, 3);
    const int bitmap = pictureId == 1141 ? PictureArt::kLoudspeaker : PictureArt::kHandset;
    grid->addWidget(m_controls.Add(pictureId, new CPicture(bitmap)), 0, 0, 2, 1);
    grid->addWidget(new CPicture(PictureArt::kVolumeLow), 1, 1);
    slider = m_controls.Add(sliderId, new QSlider(Qt::Horizontal));
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setPageStep(1);
    caption->setBuddy(slider); // the caption sits above, not beside: a screen reader would not find it
    grid->addWidget(slider, 1, 2);
    grid->addWidget(new CPicture(PictureArt::kVolumeHigh), 1, 3);
    return box;
}

QWidget* CPpE_Basic1::BuildCharges()
{
    auto* group = m_controls.Add(1600, new QGroupBox(QStringLiteral("Gebühren")));
    auto* grid = new QGridLayout(group);
    m_payMult = m_controls.Add(1062, new CEdit_PayMult);
    m_payStr = m_controls.Add(1064, new QLineEdit);
    // Without buddies both edits would be named after the group.
    auto* factor = m_controls.Add(1061, new QLabel(QStringLiteral("Tariffaktor")));
    auto* currency = m_controls.Add(1063, new QLabel(QStringLiteral("Währung")));
    factor->setBuddy(m_payMult);
    currency->setBuddy(m_payStr);
    grid->addWidget(factor, 0, 0);
    grid->addWidget(m_payMult, 0, 1);
    grid->addWidget(currency, 1, 0);
    grid->addWidget(m_payStr, 1, 1);
    return group;
}

QWidget* CPpE_Basic1::BuildParkCode()
{
    auto* group = m_controls.Add(1121, new QGroupBox(QStringLiteral("Park Code")));
    auto* layout = new QHBoxLayout(group);
    m_parkCode = m_controls.Add(1120, new CEdit_Num);
    layout->addWidget(m_parkCode);
    layout->addStretch();
    return group;
}

QWidget* CPpE_Basic1::BuildPhoneType()
{
    auto* group = m_controls.Add(1050, new QGroupBox(QStringLiteral("Telefon Typ")));
    auto* layout = new QHBoxLayout(group);
    m_phoneType = new QButtonGroup(this);
    m_controls.Add(1051, AddRadio(*m_phoneType, *layout, FromCp1252(ValueTexts::kPhoneType[0]), 0));
    m_controls.Add(1052, AddRadio(*m_phoneType, *layout, FromCp1252(ValueTexts::kPhoneType[1]), 1));
    layout->addStretch();
    // Only a click is a choice of the user; loading the page checks silently.
    connect(m_phoneType, &QButtonGroup::idClicked, this, [this](int id) { OnPhoneType(id); });
    return group;
}

QWidget* CPpE_Basic1::BuildSoftwareVersion()
{
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_swVers = m_controls.Add(1011, new QLineEdit);
    m_swVers->setReadOnly(true);
    layout->addWidget(m_controls.Add(1010, new QLabel(QStringLiteral("Software Version"))));
    layout->addWidget(m_swVers);
    return box;
}

QWidget* CPpE_Basic1::BuildChoice(int groupId, const QString& title, QButtonGroup*& group, const int (&ids)[3],
                                  const std::array<const char*, 3>& texts)
{
    auto* box = m_controls.Add(groupId, new QGroupBox(title));
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(this);
    for (int value = 0; value < 3; ++value)
        m_controls.Add(ids[value], AddRadio(*group, *layout, FromCp1252(texts[value]), value));
    return box;
}

QWidget* CPpE_Basic1::BuildOptions()
{
    auto* box = m_controls.Add(1110, new QGroupBox(QStringLiteral("Optionen")));
    auto* layout = new QVBoxLayout(box);
    auto add = [&](int id, const QString& text) {
        auto* check = m_controls.Add(id, new QCheckBox(text));
        layout->addWidget(check);
        return check;
    };
    m_knock = add(1111, QStringLiteral("Anklopfen ein"));
    m_autoExt = add(1112, QStringLiteral("Automatische Externbelegung"));
    m_letterLarge = add(1113, QStringLiteral("Softkey Buchstaben groß"));
    m_headSet = add(1114, QStringLiteral("Sprechzeug"));
    m_freeSpeakSilence = add(1153, QStringLiteral("Stumm nach Freisprech-Anwahl"));
    // The automatic outside line is kept in the record but not offered here.
    m_autoExt->setVisible(false);
    return box;
}
