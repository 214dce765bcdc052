#include "FilteredEdits.h"

// Placeholder until the filtered edits are built.
CFilteredEdit::CFilteredEdit(QWidget* parent) : QLineEdit(parent) {}
void CFilteredEdit::keyPressEvent(QKeyEvent* event) { QLineEdit::keyPressEvent(event); }
void CFilteredEdit::OnTextChanged(const QString&) {}
bool CEdit_Num::Accepts(QChar) const { return true; }
QString CEdit_Num::Normalise(const QString& text) const { return text; }
bool CEdit_Msn::Accepts(QChar) const { return true; }
QString CEdit_Msn::Normalise(const QString& text) const { return text; }
bool CEdit_Name::Accepts(QChar) const { return true; }
QString CEdit_Name::Normalise(const QString& text) const { return text; }
bool CEdit_PayMult::Accepts(QChar) const { return true; }
QString CEdit_PayMult::Normalise(const QString& text) const { return text; }
