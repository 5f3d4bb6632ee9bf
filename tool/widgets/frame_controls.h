#pragma once
// The controls of the shared frames and boxes, made in code the way the
// forms make theirs: documented object name, design caption and the string
// id in the "tag" property, so ApplyLanguage treats them like any control
// of the form they are placed on.

#include <QList>
#include <QString>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace dorvane {

// textId < 0: the caption is fixed English.
QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text, int textId = -1);
// A centred entry box of at most maxLength characters.
QLineEdit* NewEntryBox(QWidget* parent, const QString& name, const QString& text, int maxLength);
QPushButton* NewFrameButton(QWidget* parent, const QString& name, const QString& text, int textId = -1);
QRadioButton* NewOption(QWidget* parent, const QString& name, const QString& text, const QString& toolTip = {});
// The buttons at the right of a row, as the forms' button rows are.
QHBoxLayout* ButtonRow(const QList<QPushButton*>& buttons);

}  // namespace dorvane
