// SPDX-License-Identifier: GPL-3.0-or-later
// mvconf writing one document to several simulated telephones at once.
#include "CData_All.h"
#include "CQ410CfDoc.h"
#include "ChildProcess.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

// Two telephones of the current firmware and an old one, which knows fewer
// records: each link must keep the switches of its own telephone.
TEST(CliBenchWrite, EveryTelephoneTakesTheDocumentAsItsOwnFirmwareAllows)
{
    TempDir dir;
    const std::string document = dir.File("standard.mv8");
    {
        CData_All data, saved;
        CQ410CfDoc doc(data, saved, TestIdentity());
        doc.OnNewDocument();
        data.cfg.basic.LoudBox = 5;
        data.cfg.basic.Silence = 1; // sent from version 1100 on
        std::string error;
        ASSERT_TRUE(doc.OnSaveDocument(document, error)) << error;
    }
    const std::vector<std::vector<std::string>> firmware{{}, {"--firmware", "V1.00", "--phone-type", "Q410"}, {}};
    std::vector<std::unique_ptr<SimulatedTelephone>> phones;
    std::vector<std::string> argv{MvconfPath(), "--write-config", document};
    for (std::size_t i = 0; i < firmware.size(); ++i) {
        std::vector<std::string> options{"--sessions", "1", "--save", dir.File("phone" + std::to_string(i) + ".mv8")};
        options.insert(options.end(), firmware[i].begin(), firmware[i].end());
        phones.push_back(std::make_unique<SimulatedTelephone>(options));
        argv.insert(argv.end(), {"--device", phones.back()->Device()});
    }
    const ProcessResult r = RunProcess(argv, 60000, {"XDG_CONFIG_HOME=" + dir.Path(), "XDG_STATE_HOME=" + dir.Path()});
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    for (std::size_t i = 0; i < phones.size(); ++i) {
        EXPECT_EQ(phones[i]->Wait(5000), 0);
        const std::string saved = dir.File("phone" + std::to_string(i) + ".mv8");
        EXPECT_EQ(ProfileValue(saved, "Basic", "LoudBox"), "5") << i;
        EXPECT_EQ(ProfileValue(saved, "Basic", "Silence") == ProfileValue(document, "Basic", "Silence"), i != 1) << i;
    }
    EXPECT_NE(r.out.find("Zusammenfassung:"), std::string::npos) << r.out;
    // Each telephone's write keeps its own copy of what was sent.
    int sent = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.File("mvconf/backups")))
        sent += entry.path().filename().string().find("-gesendet-konfiguration.mv8") != std::string::npos;
    EXPECT_EQ(sent, 3) << r.out;
}

} // namespace
