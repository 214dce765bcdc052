// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key editor: one function key at a time. The kind buttons on the left
// decide which group of fields is shown beside them; the fields of the other
// kinds keep what was typed into them and are stored as well.
#include "CData_DialKey.h"
#include "Derivat.h"

#include <QDialog>

#include <array>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QStackedWidget;
class CEdit_Msn;

class CDlgE_DialKey : public QDialog {
public:
    static constexpr int kKinds = 13;

    // Fills the editor from key and enables the kinds the telephone offers
    // for its key number.
    // switches: of the document, deciding which kinds and choices exist.
    CDlgE_DialKey(const CData_DialKey& key, const CDerivat& switches, QWidget* parent = nullptr);

    // Writes every field of the editor into key, whatever its kind.
    void StoreTo(CData_DialKey& key) const;

    // Whether the telephone offers kind for the key number (1 to 14) under
    // the switches.
    static bool KindAllowed(int kind, int keyNumber, const DerivatProperties& props);

    // The controls, for the tests.
    QAbstractButton* KindButton(int kind) const;
    QGroupBox* KindGroup() const { return m_kindGroup; }
    // Whether the kind group shows as active: only when a kind besides
    // "Zielwahltaste" is offered. Its buttons keep their own states.
    bool KindGroupActive() const;
    QWidget* ShownGroup() const;
    QAbstractButton* DialUseButton(int use) const;
    CEdit_Msn* DialNumber() const { return m_dialMsn; }
    QComboBox* LineNumber() const { return m_lineMsn; }
    QComboBox* Channel() const { return m_channel; }
    QComboBox* MsnChoice() const { return m_msnId; }
    CEdit_Msn* PreCallNumber() const { return m_preCall; }
    QComboBox* VariantTeam() const { return m_variantTeam; }
    QComboBox* LogoutTeam() const { return m_logoutTeam; }
    QComboBox* IntercomNumber() const { return m_intercom; }
    QComboBox* AnnounceNumber() const { return m_announce; }
    QComboBox* ChefNumber() const { return m_chef; }
    QComboBox* SecNumber() const { return m_sec; }

    void accept() override;

private:
    QWidget* BuildKindGroup();
    void BuildFieldGroups();
    QWidget* BuildDialGroup();
    QWidget* BuildMsnGroup();
    QWidget* ChoiceGroup(const QString& title, const QString& label, QComboBox*& box);
    void Load(const CData_DialKey& key);
    void EnableKinds(int keyNumber);
    void ShowKind(int kind);

    QLineEdit* m_keyLabel = nullptr;
    QGroupBox* m_kindGroup = nullptr;
    QButtonGroup* m_kinds = nullptr;
    QStackedWidget* m_groups = nullptr;
    QButtonGroup* m_dialUse = nullptr;
    CEdit_Msn* m_dialMsn = nullptr;
    QComboBox* m_lineMsn = nullptr;
    QComboBox* m_channel = nullptr;
    QComboBox* m_msnId = nullptr;
    CEdit_Msn* m_preCall = nullptr;
    QComboBox* m_variantTeam = nullptr;
    QComboBox* m_logoutTeam = nullptr;
    QComboBox* m_intercom = nullptr;
    QComboBox* m_announce = nullptr;
    QComboBox* m_chef = nullptr;
    QComboBox* m_sec = nullptr;
    const CDerivat m_switches;
};
