// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture of the pages (the telephone, the PBX, the explanations), drawn by
// the program itself with a transparent background, by its bitmap number.
// An unknown number draws nothing and leaves a trace line.
#include <QPoint>
#include <QWidget>

class QPainter;

class CPicture : public QWidget {
public:
    explicit CPicture(int bitmapId, QWidget* parent = nullptr);
    int BitmapId() const { return m_bitmapId; }
    void SetBitmapId(int bitmapId);
    QSize sizeHint() const override;

    // Whether a drawing exists for the number.
    static bool Exists(int bitmapId);
    // Draws the picture with its top-left corner at position; false (and a
    // trace line) for an unknown number.
    static bool Draw(QPainter& painter, int bitmapId, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_bitmapId;
    bool m_missingTraced = false;
};
