// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentCompare.h"

#include "CData_All.h"
#include "Derivat.h"
#include "ValueTexts.h"

namespace VT = ValueTexts;

namespace {

// One field of a record: its label and the text the windows show for it.
// Each table lists every key its record writes to the file exactly once,
// in the order the page (or its edit dialog) shows the fields.
template <class Rec>
struct Field {
    const char* label;
    std::string (*text)(const Rec&);
};

using Basic = CData_Basic;

constexpr Field<Basic> kGeneral[] = {
    {"Lautsprecher Lautst\xE4rke", [](const Basic& r) { return VT::Volume(r.LoudBox, 6); }},
    {"H\xF6rer Lautst\xE4rke", [](const Basic& r) { return VT::Volume(r.LoudHand, 3); }},
    {"Tariffaktor", [](const Basic& r) { return r.PayMult; }},
    {"W\xE4hrung", [](const Basic& r) { return r.PayStr; }},
    {"Park Code", [](const Basic& r) { return r.ParkCode; }},
    {"Telefon Typ", [](const Basic& r) { return VT::Choice(VT::kPhoneType, r.PhoneType); }},
    {"Software Version", [](const Basic& r) { return r.SwVers; }},
    {"Versionsnummer", [](const Basic& r) { return std::to_string(r.Vers); }},
    {"Wahlkontrolle", [](const Basic& r) { return VT::Choice(VT::kDialFilterUse, r.DialFilterUse); }},
    {"Quittungst\xF6ne", [](const Basic& r) { return VT::Choice(VT::kQuitTone, r.QuitTone); }},
    {"Ruhe vor dem Telefon", [](const Basic& r) { return VT::Choice(VT::kSilence, r.Silence); }},
    {"Anklopfen ein", [](const Basic& r) { return std::string(VT::OnOff(r.Knock)); }},
    {"Automatische Externbelegung", [](const Basic& r) { return std::string(VT::OnOff(r.AutoExt)); }},
    {"Softkey Buchstaben gro\xDF", [](const Basic& r) { return std::string(VT::OnOff(r.LetterLarge)); }},
    {"Sprechzeug", [](const Basic& r) { return std::string(VT::OnOff(r.HeadSet)); }},
    {"Stumm nach Freisprech-Anwahl", [](const Basic& r) { return std::string(VT::OnOff(r.FreeSpeakSilence)); }},
};

constexpr Field<Basic> kPabx[] = {
    {"Maximall\xE4nge interner Rufnummern", [](const Basic& r) { return std::to_string(r.DialLen); }},
    {"Vorwahlziffer", [](const Basic& r) { return r.DialPre; }},
    {"Internkennziffer", [](const Basic& r) { return r.DialPreInt; }},
    {"Notbetrieb am Anlagenanschlu\xDF", [](const Basic& r) { return std::string(VT::OnOff(r.PabxAtLowPower)); }},
    {"Telefonanlagentyp", [](const Basic& r) { return VT::PabxType(r.PabxType); }},
};

constexpr Field<Basic> kLcr[] = {
    {"LCR aktivieren", [](const Basic& r) { return std::string(VT::OnOff(r.Lcr)); }},
    {"LCR Arbeitsweise bei Netzbetreiber besetzt", [](const Basic& r) { return VT::Choice(VT::kLcrMode, r.LcrMode); }},
    {"Wahlversuche", [](const Basic& r) { return std::to_string(r.LcrRepeat); }},
};

using Own = CData_MsnPara;

constexpr Field<Own> kOwnNumber[] = {
    {"Rufnummer", [](const Own& r) { return r.Msn; }},
    {"Name", [](const Own& r) { return r.Txt; }},
    {"Lautst\xE4rke", [](const Own& r) { return VT::Volume(r.Loud, 6); }},
    {"Melodie", [](const Own& r) { return VT::Melody(r.Melody); }},
    {"Rufnummer Anrufweiterschaltung", [](const Own& r) { return r.MsnAws; }},
};

constexpr Field<Own> kCost[] = {
    {"Kostenz\xE4hler", [](const Own& r) { return std::to_string(r.PayCounter); }},
};

constexpr Field<CData_DialIndex> kSpeedDial[] = {
    {"Rufnummer", [](const CData_DialIndex& r) { return r.Msn; }},
};

constexpr Field<CData_DialFilter> kDialControl[] = {
    {"Rufnummer", [](const CData_DialFilter& r) { return r.Msn; }},
};

using Key = CData_DialKey;

// The kind first, then the fields of each kind in the order of the kinds;
// a label names the kind where several kinds share it.
constexpr Field<Key> kKey[] = {
    {"Tastenart", [](const Key& r) { return VT::Choice(VT::kKeyUse, r.KeyUse); }},
    {"Rufnummer (Zielwahltaste)", [](const Key& r) { return r.DialKeyMsn; }},
    {"Nutzung (Zielwahltaste)", [](const Key& r) { return VT::Choice(VT::kDialKeyUse, r.DialKeyUse); }},
    {"Rufnummer (Linientaste)", [](const Key& r) { return r.LineKeyMsn; }},
    {"Kanal-Nummer (Leitungstaste)", [](const Key& r) { return r.ExtKeyChannel; }},
    {"MSN-Nr. (MSN-Belegung)", [](const Key& r) { return VT::Choice(VT::kMsnKeyMsnId, r.MsnKeyMsnId); }},
    {"PreCall Nummer (MSN-Belegung)", [](const Key& r) { return r.MsnKeyMsn; }},
    {"Teamauswahl (Tag/Nachtschaltung Team)", [](const Key& r) { return VT::Team(r.VariantKeyMsnTeam); }},
    {"Teamauswahl (Ein-/Ausloggen Team)", [](const Key& r) { return VT::Team(r.LogOutKeyMsnTeam); }},
    {"Rufnummer (Wechselsprechen)", [](const Key& r) { return r.IntercomKeyMsnInt; }},
    {"Rufnummer (Durchsage)", [](const Key& r) { return r.AnnounceKeyMsnInt; }},
    {"Rufnummer (Chef)", [](const Key& r) { return r.ChefKeyMsnInt; }},
    {"Rufnummer (Sekretariat)", [](const Key& r) { return r.SecKeyMsnInt; }},
};

using Entry = CData_DialName;

constexpr Field<Entry> kPhoneBook[] = {
    {"Name", [](const Entry& r) { return r.Name; }},
    {"Rufnummer", [](const Entry& r) { return r.Msn; }},
    {"Lautst\xE4rke", [](const Entry& r) { return VT::Volume(r.Loud, 6); }},
    {"Melodie", [](const Entry& r) { return VT::MelodyExt(r.MelodyExt); }},
};

class DifferenceList {
public:
    explicit DifferenceList(std::vector<FieldDifference>& out) : m_out(out) {}

    template <class Rec, std::size_t N>
    void Add(const char* page, const std::string& entry, const Field<Rec> (&fields)[N], const Rec& first,
             const Rec& second)
    {
        for (const Field<Rec>& field : fields) {
            std::string a = field.text(first);
            std::string b = field.text(second);
            if (a != b)
                m_out.push_back({page, entry, field.label, std::move(a), std::move(b)});
        }
    }

    // A list page: row i of each document, named by entry(row).
    template <class Rec, std::size_t Rows, std::size_t N, class Name>
    void AddRows(const char* page, const std::array<Rec, Rows>& first, const std::array<Rec, Rows>& second,
                 const Field<Rec> (&fields)[N], Name entry)
    {
        for (std::size_t i = 0; i < Rows; ++i)
            Add(page, entry(first[i]), fields, first[i], second[i]);
    }

private:
    std::vector<FieldDifference>& m_out;
};

std::string NumberEntry(const CData_Indexed& record)
{
    return "Nr. " + std::to_string(record.Index());
}

void CompareConfiguration(const CData_AllCfg& a, const CData_AllCfg& b, DifferenceList& list)
{
    list.Add("Allgemein", {}, kGeneral, a.basic, b.basic);
    list.Add("Telefonanlage", {}, kPabx, a.basic, b.basic);
    list.AddRows("Rufnummern", a.msnPara, b.msnPara, kOwnNumber, NumberEntry);
    list.AddRows("Kurzwahl", a.dialIndex, b.dialIndex, kSpeedDial,
                 [](const CData_DialIndex& r) { return r.GetColumnText(0); });
    list.AddRows("Tasten", a.dialKey, b.dialKey, kKey, [](const Key& r) { return r.KeyLabel(); });
    list.AddRows("Wahlkontrolle", a.dialFilter, b.dialFilter, kDialControl,
                 [](const CData_DialFilter& r) { return r.GetColumnText(0); });
    list.Add("LCR", {}, kLcr, a.basic, b.basic);
    list.AddRows("Kosten", a.msnPara, b.msnPara, kCost, NumberEntry);
}

// Every field of a document; one allocation holds even the longest list.
constexpr std::size_t kFields =
    std::size(kGeneral) + std::size(kPabx) + std::size(kLcr) +
    CData_AllCfg::kMsns * (std::size(kOwnNumber) + std::size(kCost)) + CData_AllCfg::kIndexes * std::size(kSpeedDial) +
    CData_AllCfg::kKeys * std::size(kKey) + CData_AllCfg::kFilters * std::size(kDialControl) +
    CData_AllDialName::kEntries * std::size(kPhoneBook);

// The document as its file would hold it.
CData_All AsSaved(const CData_All& data, const CDerivat& switches)
{
    CData_All copy = data;
    copy.Validate(switches);
    if (switches.PropDialName && !copy.dialName.IsSorted())
        copy.dialName.Sort();
    return copy;
}

} // namespace

std::vector<FieldDifference> CompareDocuments(const CData_All& first, const CData_All& second,
                                              const CDerivat& switches)
{
    const CData_All a = AsSaved(first, switches);
    const CData_All b = AsSaved(second, switches);
    std::vector<FieldDifference> differences;
    differences.reserve(kFields);
    DifferenceList list(differences);
    if (switches.PropCfg)
        CompareConfiguration(a.cfg, b.cfg, list);
    if (switches.PropDialName)
        list.AddRows("Telefonbuch", a.dialName.entry, b.dialName.entry, kPhoneBook, NumberEntry);
    return differences;
}

std::string DifferenceLine(const FieldDifference& d)
{
    std::string line = d.page + ": ";
    if (!d.entry.empty())
        line += d.entry + ": ";
    return line + d.field + ": \"" + d.thisValue + "\" -> \"" + d.otherValue + "\"";
}
