// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Datei > Vergleichen mit...": the open document, with the edits of the
// page being shown, against a document file. Nothing of the document, its
// file or the switches changes.
#include <QString>

#include <functional>

class CQ410CfDoc;
class CQ410CfView;
class QWidget;

// Stores the shown page (a page whose checks fail has said why, and nothing
// is compared), asks for a *.mv8 file and shows the differences.
void OnFileCompare(QWidget* parent, CQ410CfView& view, CQ410CfDoc& doc, const QString& documentPath);

// Reads the document file at path with the document's switches as they
// stand, and shows how the document's data differs from it. A file that
// cannot be read is reported.
void CompareWithFile(QWidget* parent, CQ410CfDoc& doc, const QString& path);

// Test seam: picks the file instead of the file dialog (empty: cancelled);
// an empty function puts the dialog back.
void SetCompareFileHookForTesting(std::function<QString()> hook);
