// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a document file (*.mv8) of arbitrary content, saving it and
// opening it again: what the second open reads must be what the first one
// held after saving. Only a file without any of the document's sections
// may be refused.
//
// Input: one byte choosing the program identity, then the file's bytes.
#include "CData_All.h"
#include "CQ410CfDoc.h"
#include "DocumentSections.h"
#include "FuzzSupport.h"
#include "ProfileFile.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const CDerivat identity = FuzzIdentity(in.Byte());
    static const std::string path = FuzzScratchFile("document.mv8");
    const auto bytes = in.Rest();
    FuzzWriteFile(path, bytes);

    CData_All opened;
    CData_All openedSaved;
    CQ410CfDoc doc(opened, openedSaved, identity);
    std::string error;
    if (!doc.OnOpenDocument(path, error)) {
        CProfileFile file;
        file.Parse(bytes);
        if (FindDocumentParts(file).anyRecord || opened != CData_All())
            FuzzFail("a document was refused, or the refusal changed the data", error);
        return 0;
    }
    if (doc.IsModified() || opened != openedSaved)
        FuzzFail("a freshly opened document counts as changed", path);
    // Saving goes over the same file, as "Save" does: foreign keys stay.
    if (!doc.OnSaveDocument(path, error))
        FuzzFail("save failed", error);

    CData_All reopened;
    CData_All reopenedSaved;
    CQ410CfDoc again(reopened, reopenedSaved, identity);
    if (!again.OnOpenDocument(path, error))
        FuzzFail("second open failed", error);
    if (reopened != opened)
        FuzzFail("the saved document reads back differently", path);
    return 0;
}
