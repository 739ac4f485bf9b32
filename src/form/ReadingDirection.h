#pragma once

#include <QStyledItemDelegate>

class QSize;
class QWidget;

namespace tarnwick {

// The windows read in the direction of the language they speak: Arabic,
// Hebrew and Persian from the right. What the eye meets first sits where
// that reader looks first; what the user typed or chose (a path, a file
// name) keeps the direction of its own script.

// Makes the application's layout direction the one of `language`'s script
// (an empty language: the program's own English). Qt's own catalogue says
// so too where one is loaded; the locale's data says it for every language,
// with or without one.
void followLanguage(const QString& language);

// A fixed layout mirrored, when `form` reads right to left: each direct
// child moved to its mirror image across the form's width. Call it once the
// form and its controls have their sizes.
void mirrorLayout(QWidget* form);

// Resizes a control of a fixed layout, keeping in place the edge its text
// starts from: the left one, or the right one in a right-to-left window.
void resizeFromStart(QWidget* control, const QSize& size);

// A text of the user's set apart in its own direction: a Latin path reads
// left to right inside a right-to-left window, an Arabic one right to left
// inside a left-to-right one, each aligned as the window aligns its text.
QString inOwnDirection(const QString& text);

// Shows each cell's text in its own direction (see inOwnDirection).
class OwnDirectionDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override;
};

} // namespace tarnwick
