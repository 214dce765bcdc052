#pragma once
// A picture of the pages (the telephone, the PBX, the explanations), drawn by
// the program itself with a transparent background, by its bitmap number.
#include <QWidget>

class CPicture : public QWidget {
public:
    explicit CPicture(int bitmapId, QWidget* parent = nullptr);
    int BitmapId() const { return m_bitmapId; }
    void SetBitmapId(int bitmapId);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_bitmapId;
};
