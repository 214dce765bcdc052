// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one view of the main window: it holds the property sheet, builds its
// page set for every new or opened document and keeps the current page and
// the document data in step for the rest of the program.
#include "App.h"

#include <QWidget>

#include <array>
#include <functional>

class CPropertyPage;
class CPropertySheetView;
class QPrinter;

class CQ410CfView : public QWidget, public IDataView {
    Q_OBJECT
public:
    static constexpr int kMaxPages = 20;

    // app: the session whose document the pages show.
    explicit CQ410CfView(App& app, QWidget* parent = nullptr);
    ~CQ410CfView() override;

    // Rebuilds the sheet with the pages the document's switches ask for.
    void OnInitialUpdate();

    void MoveDataDocToView() override;
    void MoveDataViewToDoc() override;
    // The same, telling whether the page's checks passed and it was stored.
    bool TryMoveDataViewToDoc();

    CPropertySheetView* Sheet() const { return m_sheet; }

    // After another page was chosen (and the one left was stored).
    std::function<void()> onPageChanged;

    // Prints the phone book on one page of the printer.
    void OnPrint(QPrinter& printer);
    void FilePrint();
    void FilePrintPreview();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void DeleteSheet(bool later);

    App& m_app;
    CPropertySheetView* m_sheet = nullptr;
    std::array<CPropertyPage*, kMaxPages> m_pages{};
};
