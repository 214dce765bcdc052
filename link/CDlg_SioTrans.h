#pragma once
// The modal transfer window: runs one transfer with the telephone and shows
// its progress; on success the transfer copy becomes the document data.
#include <QDialog>

#include <string>

class CData_All;

class CDlg_SioTrans : public QDialog {
    Q_OBJECT
public:
    // mode 0..3 (send/read configuration, send/read phone book); portNumber
    // names the port in texts, devicePath is what is opened.
    CDlg_SioTrans(int mode, CData_All& transferCopy, CData_All& documentData, int portNumber,
                  std::string devicePath, QWidget* parent = nullptr);
    ~CDlg_SioTrans() override;
};
