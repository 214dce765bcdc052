#include "CDlg_SioTrans.h"

// Placeholder until the transfer window is built.
CDlg_SioTrans::CDlg_SioTrans(int, CData_All&, CData_All&, int, std::string, QWidget* parent)
    : QDialog(parent)
{
}

CDlg_SioTrans::~CDlg_SioTrans() = default;
