// The window and the options dialog in each language: the texts the
// widgets show are the catalogue's (the specified English under C and
// en_US), and each one fits the fixed layout.

#include "core/Translations.h"
#include "form/Look.h"
#include "form/Skin.h"
#include "form/frmOptions.h"
#include "support/TestWindow.h"
#include "translations/Catalogue.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOption>
#include <QToolButton>
#include <QTreeView>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

QString builtCatalogues()
{
    return Translations::folderOf(realProgramFolder());
}

// The languages a start may ask for, and the catalogue that should come.
void addLanguageRows()
{
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QString>("language"); // empty: the program's own English
    QTest::newRow("C") << Translations::wantedLanguages(QLocale::c()) << "";
    QTest::newRow("en_US") << Translations::wantedLanguages(QLocale("en_US")) << "";
    QTest::newRow("pt_PT, none shipped") << Translations::wantedLanguages(QLocale("pt_PT")) << "";
    for (const QString& language : shippedLanguages())
        QTest::newRow(qPrintable(language))
            << Translations::wantedLanguages(QLocale(language)) << language;
    QTest::newRow("pl, then de") << QStringList{"pl-PL", "pl", "de-DE", "de"} << "de";
}

// The room a control has: up to the next control to its right on the same
// row, or the edge of what holds it.
int rightLimit(const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    const QRect mine = widget->geometry();
    int limit = parent->width();
    for (const QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect theirs = other->geometry();
        if (other != widget && other->isVisibleTo(parent) && !other->isWindow() &&
            theirs.left() > mine.left() && theirs.top() <= mine.bottom() &&
            mine.top() <= theirs.bottom())
            limit = qMin(limit, theirs.left());
    }
    return limit;
}

// Why `text` does not fit `widget` at `font` as the layout places it, or
// an empty text. `area` is where the widget draws its text, in its own
// coordinates; it may reach no further than the next control.
QString misfit(const QWidget* widget, const QRect& area, const QString& text, const QFont& font,
               bool wraps = false)
{
    const QFontMetrics metrics(font);
    const int room = qMin(area.width(), rightLimit(widget) - widget->x() - area.left());
    if (wraps) {
        const int height =
            metrics.boundingRect(QRect(0, 0, room, 100000), Qt::TextWordWrap, text).height();
        return height <= area.height()
                   ? QString()
                   : QStringLiteral("needs %1 px high, has %2").arg(height).arg(area.height());
    }
    // Across, the advance of each line; up and down, the ink (a CJK line
    // is taller than the Latin one a label was sized for, its glyphs are not).
    const int width = metrics.size(0, text).width();
    const int lines = int(text.count(u'\n'));
    const int height = metrics.tightBoundingRect(text.section(u'\n', 0, 0)).height() +
                       lines * metrics.lineSpacing();
    if (width <= room && height <= area.height())
        return {};
    return QStringLiteral("needs %1x%2 px, has %3x%4")
        .arg(width)
        .arg(height)
        .arg(room)
        .arg(area.height());
}

QString misfit(const QWidget* widget, const QString& text, const QFont& font)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const int inset = label->margin() + qMax(0, label->indent());
        return misfit(
            widget,
            label->contentsRect().adjusted(inset, label->margin(), -inset, -label->margin()), text,
            font, label->wordWrap());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        return misfit(
            widget, button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button),
            text, font);
    }
    if (const auto* check = qobject_cast<const QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = text;
        return misfit(widget,
                      check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check),
                      text, font);
    }
    if (const auto* tool = qobject_cast<const QToolButton*>(widget)) {
        if (!tool->icon().isNull() || tool->toolButtonStyle() != Qt::ToolButtonTextOnly)
            return misfit(widget, tool->contentsRect(), text, font);
    }
    return QStringLiteral("not measured: %1")
        .arg(QString::fromLatin1(widget->metaObject()->className()));
}

QString misfit(const QWidget* widget, const QString& text)
{
    return misfit(widget, text, widget->font());
}

// Each entry of a list within the box's text field.
QStringList comboMisfits(const QComboBox* box)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, box);
    QStringList problems;
    for (int i = 0; i < box->count(); ++i) {
        if (const QString why = misfit(box, field, box->itemText(i), box->font()); !why.isEmpty())
            problems
                << QStringLiteral("%1 \"%2\": %3").arg(box->objectName(), box->itemText(i), why);
    }
    return problems;
}

// Every shown label, button and check box inside the window's area, as it is now.
QStringList controlMisfits(const QWidget* window)
{
    QStringList problems;
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        // The hot-spots and picture holders lie beyond the right edge, out of sight.
        if (!child->isVisible() || child->mapTo(window, QPoint(0, 0)).x() >= window->width())
            continue;
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(child))
            text = label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(child))
            text = button->text();
        if (text.isEmpty() || text == QChar(0x2630)) // the menu button's sign
            continue;
        if (const QString why = misfit(child, text); !why.isEmpty())
            problems << QStringLiteral("%1 \"%2\": %3").arg(child->objectName(), text, why);
    }
    return problems;
}

} // namespace

class tst_translatedWindow : public QObject
{
    Q_OBJECT

private slots:
    void texts_data() { addLanguageRows(); }

    // What the widgets show is the catalogue's text for each, or under C and
    // English locales the specified English, byte for byte.
    void texts()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QString, language);
        Translations translations;
        QCOMPARE(translations.load(wanted, builtCatalogues()), language);
        const Catalogue catalogue = language.isEmpty() ? Catalogue{} : catalogueOf(language);
        if (!language.isEmpty()) // Qt's own, for the standard buttons and dialogs
            QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != u"Cancel");

        TestWindow w;
        const MainWidgets& c = w.c();
        frmMain& form = *w.form;
        QTemporaryDir settings;
        Options record;
        frmOptions options(record, settings.filePath("options.ini"), w.messages, &form);
        // The batch line and the start button's second caption, through the window's own wiring.
        emit form.batch().queueControlsEnabledChanged(false);
        BatchStatus status;
        status.file = 2;
        status.count = 5;
        status.secondsLeft = 75;
        emit form.session().follower().changed(status);

        struct Shown
        {
            QString actual;
            const char* context;
            const char* source;
        };
        const char* window = "tarnwick::MainWidgets";
        const QList<Shown> shown{
            {c.lblDrive->text(), window, "Select a DVD Drive:"},
            {c.cmdLoad->accessibleName(), window, "Read DVD"},
            {c.lblFileList->text(), window, "File List:"},
            {c.CmdToolsBar.at(0)->toolTip(), window, "Add a File"},
            {c.CmdToolsBar.at(1)->toolTip(), window, "Add Files from a Folder"},
            {c.CmdToolsBar.at(2)->toolTip(), window, "Remove the Selected from List"},
            {c.CmdToolsBar.at(3)->text(), window, "Help"},
            {c.CmdToolsBar.at(4)->text(), window, "Setting"},
            {c.CmdToolsBar.at(5)->accessibleName(), window, "Remove All Files"},
            {c.LV->model()->headerData(0, Qt::Horizontal).toString(), "tarnwick::Queue",
             "Filename"},
            {c.LV->model()->headerData(1, Qt::Horizontal).toString(), "tarnwick::Queue", "Format"},
            {c.lblText->text(), "tarnwick::SourceCommands", "Drop Your Video Files Here"},
            {c.lblOutputFormat->text(), window, "Output Format:"},
            {c.cmbOF1->currentText(), "tarnwick::OutputPresets", "MP4(High Quality MPEG4 Video)"},
            {c.cmbOF1->itemText(5), "tarnwick::OutputPresets", "WMV(Windows Media Video)"},
            {c.lblBitrate->text(), window, "Video Quality (Bitrate - K):"},
            {c.lblOutputPath->text(), window, "Output Path:"},
            {c.txtPath->toolTip(), window, "Select a Folder to Output"},
            {c.cmdBrowse->toolTip(), window, "Select an Output Folder"},
            {c.Command3->accessibleName(), window, "Start converting"},
            {c.lblFeed->text(), window, "Feedback"},
            {c.lblFeed->toolTip(), window, "Send us your suggestion or question"},
            {c.btnMenu->toolTip(), window, "All Commands"},
            {c.imgHelp->toolTip(), window, "Help & Tutorial"},
            {c.cmbRotate->itemText(0), "tarnwick::Rotation", "90 Degree Clockwise"},
            {form.action(frmMain::ReadDisc)->text(), "tarnwick::frmMain", "Read DVD"},
            {form.action(frmMain::Options)->text(), "tarnwick::frmMain", "Options..."},
            {form.action(frmMain::OpenLogs)->text(), "tarnwick::frmMain", "Open the Logs Folder"},
            {form.rotateMenu()->title(), "tarnwick::frmMain", "Rotate"},
            {form.rotateMenu()->actions().at(5)->text(), "tarnwick::Rotation", "None"},
            {c.Command3->text(), "tarnwick::frmMain", "Stop"},
            {options.windowTitle(), "tarnwick::frmOptions", "Setting"},
            {options.findChild<QLabel*>("Label1")->text(), "tarnwick::frmOptions",
             "Sound Reminder"},
            {options.cmbSR()->itemText(0), "tarnwick::frmOptions", "ON"},
            {options.cmbSR()->itemText(1), "tarnwick::frmOptions", "OFF"},
            {options.findChild<QPushButton*>("Command1")->text(), "tarnwick::frmOptions", "OK"},
            {options.findChild<QPushButton*>("Command2")->text(), "tarnwick::frmOptions", "Back"},
        };
        QCOMPARE(c.cmdLoad->text(), catalogue.translate(window, "Read DVD",
                                                        "the narrow button beside the drive list"));
        for (const Shown& text : shown) {
            const QString source = QString::fromUtf8(text.source);
            QCOMPARE(text.actual,
                     language.isEmpty() ? source : catalogue.translate(text.context, source));
        }
        const QString batchLine = catalogue.translate(window, "file %1 of %2").arg(2).arg(5) +
                                  catalogue.translate(window, ", %1 left").arg("1:15");
        QCOMPARE(c.lblBatch->text(), batchLine);
        emit form.batch().batchStopped();
        QCOMPARE(c.lblPB->text(), catalogue.translate(window, "Stopped."));
        emit form.batch().batchDone();
        QCOMPARE(c.lblPB->text(), catalogue.translate(window, "Done."));
        QVERIFY(w.messages.done());
    }

    void rangeMessages_data() { addLanguageRows(); }

    // The options dialog's two refusals: their own Chinese texts in English
    // locales, the catalogue's in each language.
    void rangeMessages()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QString, language);
        Translations translations;
        translations.load(wanted, builtCatalogues());
        const Catalogue catalogue = language.isEmpty() ? Catalogue{} : catalogueOf(language);
        const auto text = [&](const char* source) {
            return catalogue.translate("tarnwick::OptionsEditor", QString::fromUtf8(source));
        };
        QTemporaryDir settings;
        ScriptedMessages messages;
        Options record;
        frmOptions options(record, settings.filePath("options.ini"), messages);
        messages.expect(text("分钟必须小于60"), text("分钟"), MessageIcon::Exclamation);
        messages.expect(text("秒必须小于60"), text("秒"), MessageIcon::Exclamation);
        options.timeBox(OptionsEditor::ToM)->setText("60");
        options.Command1_Click();
        options.timeBox(OptionsEditor::ToM)->setText("59");
        options.timeBox(OptionsEditor::FromS)->setText("75");
        options.Command1_Click();
        QVERIFY2(messages.done(), qPrintable(messages.problems()));
        if (language.isEmpty())
            QCOMPARE(messages.shown().first().text, QString::fromUtf8("分钟必须小于60"));
    }

    void fits_data() { addLanguageRows(); }

    // Each caption, label and list entry within its control and clear of
    // the next one, in every state the window shows them: the welcome
    // panel's lines, the hints, a batch's line, Stop, Done. and Stopped.,
    // the link in bold under the pointer.
    void fits()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QString, language);
        Translations translations;
        translations.load(wanted, builtCatalogues());
        TestWindow w;
        frmMain& form = *w.form;
        const MainWidgets& c = w.c();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QStringList problems;
        QFont cover;
        cover.setPointSizeF(kCoverTextPoints);
        const QSize coverSize = QFontMetrics(cover).size(0, coverText());
        if (coverSize.width() > c.picDoor->width() || coverSize.height() > 60)
            problems << QStringLiteral("welcome panel: needs %1x%2 px")
                            .arg(coverSize.width())
                            .arg(coverSize.height());

        form.hidePicDoor();
        problems << controlMisfits(&form) << comboMisfits(c.cmbOF1) << comboMisfits(c.cmbBitrate);
        const QHeaderView* header = c.LV->header();
        const int headerMargin =
            header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int i = 0; i < header->count(); ++i) {
            const QString title = c.LV->model()->headerData(i, Qt::Horizontal).toString();
            if (QFontMetrics(header->font()).horizontalAdvance(title) + 2 * headerMargin >
                header->sectionSize(i))
                problems << QStringLiteral("column \"%1\"").arg(title);
        }
        for (const char* hint :
             {"Drop Your Video Files Here", "Searching...", "Drag your Video Here"}) {
            const QString text = QCoreApplication::translate("tarnwick::SourceCommands", hint);
            if (const QString why = misfit(c.lblText, text); !why.isEmpty())
                problems << QStringLiteral("hint \"%1\": %2").arg(text, why);
        }
        // Under the pointer the link turns bold; it may reach as far as the
        // English one does, which the window's edge already cuts.
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), c.lblFeed->mapToGlobal(QPointF(2, 2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(c.lblFeed, &move);
        const QFontMetrics bold(c.lblFeed->font());
        const int feedback = bold.horizontalAdvance(c.lblFeed->text());
        if (!c.lblFeed->font().bold() || feedback > c.lblFeed->contentsRect().width() ||
            feedback > qMax(form.width() - c.lblFeed->x(), bold.horizontalAdvance("Feedback")))
            problems << QStringLiteral("lblFeed in bold: needs %1 px").arg(feedback);
        form.skin().backgroundMove();

        // A long batch: the line with hours left, Stop on the start button.
        emit form.batch().queueControlsEnabledChanged(false);
        BatchStatus status;
        status.file = 99;
        status.count = 120;
        status.secondsLeft = 4 * 3600 + 59 * 60 + 59;
        emit form.session().follower().changed(status);
        problems << controlMisfits(&form);
        emit form.batch().batchStopped();
        problems << controlMisfits(&form);
        emit form.batch().batchDone();
        problems << controlMisfits(&form);

        QTemporaryDir settings;
        Options record;
        frmOptions options(record, settings.filePath("options.ini"), w.messages, &form);
        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        problems << controlMisfits(&options) << comboMisfits(options.cmbSR());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }
};

QTEST_MAIN(tst_translatedWindow)
#include "tst_translatedWindow.moc"
