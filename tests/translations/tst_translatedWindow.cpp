// The window and the options dialog in each language: the texts the
// widgets show are the catalogue's (the specified English under C and
// en_US), and each one fits the fixed layout.

#include "form/BatchWindowSteps.h"
#include "language/Translations.h"
#include "form/SkinStyle.h"
#include "form/ReadingDirection.h"
#include "form/Skin.h"
#include "form/frmOptions.h"
#include "support/TestWindow.h"
#include "translations/Catalogue.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOption>
#include <QToolButton>
#include <QTranslator>
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
    QTest::newRow("eu, then de") << QStringList{"eu-ES", "eu", "de-DE", "de"} << "de";
}

// The rows a control paints, in its parent's coordinates. A label's box is
// its font's whole line, and a script drawn with tall line spacing (Thai's
// Loma) leaves empty rows under the glyphs that may reach into the control
// below without covering any of it: only the label's ink counts.
QRect paintedArea(const QWidget* widget)
{
    if (!qobject_cast<const QLabel*>(widget))
        return widget->geometry();
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const_cast<QWidget*>(widget)->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (std::any_of(line, line + image.width(),
                        [](QRgb pixel) { return qAlpha(pixel) != 0; })) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    return top < 0 ? QRect()
                   : QRect(widget->x(), widget->y() + top, widget->width(), bottom - top + 1);
}

bool sameRow(const QRect& one, const QRect& other)
{
    return !one.isEmpty() && !other.isEmpty() && other.top() <= one.bottom() &&
           one.top() <= other.bottom();
}

// The room a control's text has, from where it starts in `area` (the
// control's own coordinates): up to the next control on the same row in the
// reading direction, or the edge of what holds it.
int roomAhead(const QWidget* widget, const QRect& area)
{
    const QWidget* parent = widget->parentWidget();
    const QRect mine = widget->geometry();
    const bool fromRight = widget->isRightToLeft();
    int limit = fromRight ? 0 : parent->width();
    for (const QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect theirs = other->geometry();
        if (other == widget || !other->isVisibleTo(parent) || other->isWindow() || !sameRow(mine, theirs) ||
            !sameRow(paintedArea(widget), paintedArea(other)))
            continue;
        if (!fromRight && theirs.left() > mine.left())
            limit = qMin(limit, theirs.left());
        if (fromRight && theirs.right() < mine.right())
            limit = qMax(limit, theirs.right() + 1);
    }
    return fromRight ? mine.left() + area.right() + 1 - limit : limit - mine.left() - area.left();
}

// Why `text` does not fit `widget` at `font` as the layout places it, or
// an empty text. `area` is where the widget draws its text, in its own
// coordinates; it may reach no further than the next control.
QString misfit(const QWidget* widget, const QRect& area, const QString& text, const QFont& font,
               bool wraps = false)
{
    const QFontMetrics metrics(font);
    const int room = qMin(area.width(), roomAhead(widget, area));
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
        // The hot-spots and picture holders lie beyond the window's edge, out of sight.
        if (!child->isVisible() ||
            !window->rect().intersects(QRect(child->mapTo(window, QPoint(0, 0)), child->size())))
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

// The window's own English texts, shown unchanged in an English or C locale.
const char* const kSpecified[] = {
    "Select a DVD Drive:", "Read DVD", "File List:", "Add a File", "Add Files from a Folder",
    "Remove the Selected from List", "Help", "Setting", "Remove All Files", "Drop Your Video Files Here",
    "Output Format:", "MP4(High Quality MPEG4 Video)", "Video Quality (Bitrate - K):", "Output Path:",
    "Select a Folder to Output", "...", "Select an Output Folder", "Start Ripping Now!", "Feedback",
    "Send us your suggestion or question", "Add a new file to file list", "Remove a file from file list",
    "Start Converting", "Help & Tutorial", "Exit", "Minimize Window", "90 Degree Clockwise", "None",
    "Done.", "Sound Reminder", "ON", "OFF", "OK", "Back"};

// Every text the windows hold for a person: captions, list entries, column
// titles, tooltips, accessible names, menu entries and titles.
QStringList shownTexts(const QList<const QWidget*>& windows)
{
    QStringList texts;
    for (const QWidget* window : windows) {
        QList<const QWidget*> widgets{window};
        for (const QWidget* child : window->findChildren<const QWidget*>())
            widgets << child;
        for (const QWidget* widget : std::as_const(widgets)) {
            texts << widget->toolTip() << widget->accessibleName() << widget->windowTitle();
            if (const auto* label = qobject_cast<const QLabel*>(widget))
                texts << label->text();
            else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
                texts << button->text();
            else if (const auto* box = qobject_cast<const QComboBox*>(widget))
                for (int i = 0; i < box->count(); ++i)
                    texts << box->itemText(i);
            else if (const auto* view = qobject_cast<const QTreeView*>(widget))
                for (int i = 0; i < view->model()->columnCount(); ++i)
                    texts << view->model()->headerData(i, Qt::Horizontal).toString();
            else if (const auto* menu = qobject_cast<const QMenu*>(widget))
                texts << menu->title();
            for (const QAction* action : widget->actions())
                texts << action->text();
        }
    }
    texts.removeAll(QString());
    return texts;
}

} // namespace

class tst_translatedWindow : public QObject
{
    Q_OBJECT

private slots:
    void texts_data() { addLanguageRows(); }

    // Nothing the window or the options dialog shows is left in English
    // where the catalogue has the text (a caption, a list entry, a tooltip,
    // a screen reader's name, a menu entry, at rest and during a batch);
    // under C and English locales they show the specified texts.
    void texts()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QString, language);
        Translations translations;
        QCOMPARE(translations.load(wanted, builtCatalogues()), language);
        followLanguage(language);
        // Qt's own, for the standard buttons and dialogs, where Debian has one.
        if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_" +
                          language + ".qm"))
            QVERIFY(QCoreApplication::translate("QFileDialog", "New Folder") != u"New Folder");

        TestWindow w;
        frmMain& form = *w.form;
        QTemporaryDir settings;
        Options record;
        frmOptions options(record, settings.filePath("options.ini"), w.messages, &form);
        QStringList shown = shownTexts({&form, &options});
        emit form.batchSteps().queueControlsEnabledChanged(false);
        BatchStatus status;
        status.file = 2;
        status.count = 5;
        status.secondsLeft = 75;
        emit form.session().progress().changed(status);
        shown << shownTexts({&form});
        emit form.batch().batchStopped();
        shown << w.c().lblPB->text();
        emit form.batch().queueConverted();
        shown << w.c().lblPB->text();

        const Catalogue catalogue = language.isEmpty() ? Catalogue{} : catalogueOf(language);
        const char* window = "tarnwick::MainWidgets";
        QCOMPARE(w.c().lblBatch->text(), catalogue.translate(window, "file %1 of %2").arg(2).arg(5) +
                                             catalogue.translate(window, ", %1 left").arg("1:15"));
        if (language.isEmpty()) {
            for (const char* text : kSpecified)
                QVERIFY2(shown.contains(QString::fromUtf8(text)), text);
            return;
        }
        QStringList english;
        for (const QString& text : std::as_const(shown)) {
            for (const CatalogueEntry& entry : catalogue.entries) {
                if (entry.source == text && !entry.numerus && entry.translations.value(0) != text) {
                    english << text;
                    break;
                }
            }
        }
        QVERIFY2(english.isEmpty(), qPrintable("shown in English: " + english.join(u", ")));
    }

    void standardButtons_data() { addLanguageRows(); }

    // Qt's standard buttons (the messages', a dialog's OK and Cancel) in the
    // user's language: Qt's own words where its catalogue has them, the
    // program's where Debian ships none (Greek, Swedish, Thai, ...).
    void standardButtons()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QString, language);
        const auto captions = [] {
            QStringList texts;
            QDialogButtonBox box;
            for (int button = QDialogButtonBox::FirstButton; button <= QDialogButtonBox::LastButton;
                 button <<= 1)
                texts << box.addButton(QDialogButtonBox::StandardButton(button))->text();
            return texts;
        };
        const QStringList english = captions();
        Translations translations;
        translations.load(wanted, builtCatalogues());
        const QStringList shown = captions();
        if (language.isEmpty()) {
            QCOMPARE(shown, english);
            return;
        }
        const Catalogue catalogue = catalogueOf(language);
        QTranslator qt;
        const bool qtHas =
            qt.load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        QStringList wrong;
        for (qsizetype i = 0; i < english.size(); ++i) {
            QString expected;
            for (const char* context : {"QPlatformTheme", "QGnomeTheme"}) {
                if (!catalogue.find(CatalogueEntry{context, english[i], {}, false, {}, {}}))
                    continue;
                const QString qtText =
                    qtHas ? qt.translate(context, qPrintable(english[i])) : QString();
                expected = qtText.isEmpty() ? catalogue.translate(context, english[i]) : qtText;
            }
            if (expected.isEmpty() || shown[i] != expected)
                wrong << QStringLiteral("\"%1\": \"%2\"").arg(english[i], shown[i]);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u", ")));
    }

    void rangeMessages_data() { addLanguageRows(); }

    // The options dialog's two refusals: their own Chinese texts in English
    // locales, the catalogue's in each language.
    void rangeMessages()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QString, language);
        Translations translations;
        followLanguage(translations.load(wanted, builtCatalogues()));
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
        followLanguage(translations.load(wanted, builtCatalogues()));
        TestWindow w;
        frmMain& form = *w.form;
        const MainWidgets& c = w.c();
        QCOMPARE(form.isRightToLeft(), QStringList({"ar", "he", "fa"}).contains(language));
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
        const int toEdge = form.isRightToLeft() ? c.lblFeed->geometry().right() + 1
                                                : form.width() - c.lblFeed->x();
        if (!c.lblFeed->font().bold() || feedback > c.lblFeed->contentsRect().width() ||
            feedback > qMax(toEdge, bold.horizontalAdvance("Feedback")))
            problems << QStringLiteral("lblFeed in bold: needs %1 px").arg(feedback);
        form.skin().backgroundMove();

        // A long batch: the line with hours left, Stop on the start button.
        emit form.batchSteps().queueControlsEnabledChanged(false);
        BatchStatus status;
        status.file = 99;
        status.count = 120;
        status.secondsLeft = 4 * 3600 + 59 * 60 + 59;
        emit form.session().progress().changed(status);
        problems << controlMisfits(&form);
        emit form.batch().batchStopped();
        problems << controlMisfits(&form);
        emit form.batch().queueConverted();
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
