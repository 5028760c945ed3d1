#include "ui/Colours.h"

#include "EnglishTexts.h"
#include "EveryWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

using namespace Qt::StringLiterals;

// Every window reads the same under any desktop palette, and every text fits its box at any font
// DPI and scale factor (the suite runs this once per setting, see tests/CMakeLists.txt) and in
// every language the program carries.
class TestLooks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void samePictureUnderLightAndDarkPalettes_data();
    void samePictureUnderLightAndDarkPalettes();
    void everyTextStandsOutFromWhatIsBehindIt_data();
    void everyTextStandsOutFromWhatIsBehindIt();
    void everyTextFitsAndEveryOutlineIsWhole_data();
    void everyTextFitsAndEveryOutlineIsWhole();
    void timeListsOpenAShortPopup();
    void textOnAnyColourTakesWhicheverOfBlackAndWhiteStandsOutMore();

private:
    void addWindows(bool inEveryLanguage = false);
};

namespace {

using windows::Shown;

QPalette lightPalette()
{
    return QApplication::style()->standardPalette();
}

// As dark desktop themes have it: light text on dark surfaces, everywhere.
QPalette darkPalette()
{
    QPalette dark;
    const QColor text(240, 240, 240);
    dark.setColor(QPalette::Window, QColor(48, 48, 48));
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, QColor(32, 32, 32));
    dark.setColor(QPalette::AlternateBase, QColor(40, 40, 40));
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, QColor(64, 64, 64));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Light, QColor(90, 90, 90));
    dark.setColor(QPalette::Midlight, QColor(75, 75, 75));
    dark.setColor(QPalette::Mid, QColor(40, 40, 40));
    dark.setColor(QPalette::Dark, QColor(20, 20, 20));
    dark.setColor(QPalette::Shadow, Qt::black);
    dark.setColor(QPalette::Highlight, QColor(20, 80, 140));
    dark.setColor(QPalette::HighlightedText, text);
    dark.setColor(QPalette::PlaceholderText, QColor(140, 140, 140));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(110, 110, 110));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(110, 110, 110));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(110, 110, 110));
    return dark;
}

class PaletteScope {
public:
    explicit PaletteScope(const QPalette &palette) : m_before(QApplication::palette())
    {
        QApplication::setPalette(palette);
    }
    ~PaletteScope() { QApplication::setPalette(m_before); }

private:
    QPalette m_before;
};

QImage picture(const Shown &shown)
{
    if (!QTest::qWaitForWindowExposed(shown.window.get()))
        return {};
    return shown.surface->grab().toImage();
}

// WCAG 2 relative luminance and contrast ratio.
double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
           + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString textOf(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *list = qobject_cast<const QComboBox *>(widget))
        return list->currentText();
    if (auto *box = qobject_cast<const QLineEdit *>(widget))
        return box->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    return {};
}

QList<QWidget *> visibleTexts(QWidget *window)
{
    QList<QWidget *> texts;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->isVisibleTo(window) && !textOf(widget).isEmpty() && widget->window() == window)
            texts.append(widget);
    }
    return texts;
}

QString describe(const QWidget *widget)
{
    return QString::fromLatin1(widget->metaObject()->className()) + u" \""_s + textOf(widget)
           + u"\""_s;
}

// The colour the text is drawn in, and the colour painted right behind it: the control's own
// face where it draws one, else the nearest surface up the parent chain that paints itself.
std::pair<QColor, QColor> textAndBackground(const QWidget *widget)
{
    const QPalette::ColorGroup group = widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
    if (qobject_cast<const QPushButton *>(widget) || qobject_cast<const QComboBox *>(widget))
        return {widget->palette().color(group, QPalette::ButtonText),
                widget->palette().color(group, QPalette::Button)};
    if (qobject_cast<const QLineEdit *>(widget))
        return {widget->palette().color(group, QPalette::Text),
                widget->palette().color(group, QPalette::Base)};
    const QColor text = widget->palette().color(group, QPalette::WindowText);
    for (const QWidget *up = widget; up; up = up->parentWidget()) {
        if (up->autoFillBackground() || up->isWindow())
            return {text, up->palette().color(group, up->backgroundRole())};
    }
    return {text, {}};
}

bool largeText(const QFont &font)
{
    return font.pointSizeF() >= 18.0 || (font.bold() && font.pointSizeF() >= 14.0);
}

// Where the text of `widget` is drawn, in its parent's coordinates, and what it needs there.
QRect neededTextRect(const QWidget *widget, QSize *needed)
{
    const QFontMetrics metrics(widget->font());
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        const QRect room = label->contentsRect();
        int flags = static_cast<int>(label->alignment());
        if (label->wordWrap())
            flags |= Qt::TextWordWrap;
        // A label with a buddy shows its "&" as the underline of the next letter.
        if (label->buddy())
            flags |= Qt::TextShowMnemonic;
        const QRect drawn = metrics.boundingRect(
            QRect(room.topLeft(), QSize(room.width(), std::numeric_limits<int>::max() / 2)), flags,
            label->text());
        *needed = drawn.size();
        return drawn.translated(label->pos());
    }
    if (auto *button = qobject_cast<const QPushButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = button->rect();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        *needed = metrics.size(Qt::TextShowMnemonic, button->text());
        return room.translated(button->pos());
    }
    if (auto *line = qobject_cast<const QLineEdit *>(widget)) {
        // Its frame and the smallest margin that keeps the letters off it.
        *needed = QSize(line->width(), metrics.height() + 4);
        return line->geometry();
    }
    *needed = widget->sizeHint();
    return widget->geometry();
}

// With TARVELLE_LOOKS_SHOTS set, the pictures are kept there to be looked at.
void keepShot(const QImage &picture, const QString &suffix)
{
    const QString shots = qEnvironmentVariable("TARVELLE_LOOKS_SHOTS");
    if (shots.isEmpty())
        return;
    const QString name =
        QString::fromLatin1(QTest::currentDataTag()).remove(u',').replace(u' ', u'-');
    picture.save(QDir(shots).filePath(name + suffix + u".png"_s));
}

} // namespace

void TestLooks::initTestCase()
{
    qInfo("font DPI %d, scale factor %s",
          QApplication::primaryScreen()->logicalDotsPerInchY() > 0
              ? qRound(QApplication::primaryScreen()->logicalDotsPerInchY())
              : 0,
          qgetenv("QT_SCALE_FACTOR").isEmpty() ? "1" : qgetenv("QT_SCALE_FACTOR").constData());
}

void TestLooks::addWindows(bool inEveryLanguage)
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<windows::Window>("window");
    QStringList languages{u"en"_s};
    if (inEveryLanguage) {
        languages.clear();
        for (QDirIterator qm(QStringLiteral(TARVELLE_TRANSLATIONS_DIR), {u"tarvelle_*.qm"_s});
             qm.hasNext();)
            languages.append(qm.nextFileInfo().baseName().section(u'_', 1));
        QVERIFY(languages.size() > 1);
    }
    for (const QString &language : std::as_const(languages)) {
        for (const windows::Window &window : windows::everyWindow()) {
            const QString tag = QString::fromLatin1(window.name)
                                + (inEveryLanguage ? u", "_s + language : QString());
            QTest::newRow(qPrintable(tag)) << language << window;
        }
    }
}

void TestLooks::samePictureUnderLightAndDarkPalettes_data()
{
    addWindows();
}

void TestLooks::samePictureUnderLightAndDarkPalettes()
{
    QFETCH(windows::Window, window);
    QImage light;
    QImage dark;
    {
        PaletteScope scope(lightPalette());
        light = picture(window.build());
    }
    {
        PaletteScope scope(darkPalette());
        dark = picture(window.build());
    }
    QVERIFY(!light.isNull());
    keepShot(dark, u"-dark"_s);
    QCOMPARE(dark.size(), light.size());
    if (dark != light) {
        const QString where = QDir::temp().filePath(
            u"tarvelle-looks-%1"_s.arg(QString::fromLatin1(QTest::currentDataTag()))
                .replace(u' ', u'-')
                .remove(u','));
        light.save(where + u"-light.png"_s);
        dark.save(where + u"-dark.png"_s);
        QFAIL(qPrintable(u"the pictures differ; kept in "_s + where + u"-*.png"_s));
    }
}

void TestLooks::everyTextStandsOutFromWhatIsBehindIt_data()
{
    addWindows();
}

void TestLooks::everyTextStandsOutFromWhatIsBehindIt()
{
    QFETCH(windows::Window, window);
    PaletteScope scope(darkPalette());
    const Shown shown = window.build();
    const QImage painted = picture(shown);
    QVERIFY(!painted.isNull());
    double lowest = std::numeric_limits<double>::max();
    QString lowestText;
    for (QWidget *widget : visibleTexts(shown.window.get())) {
        const auto [text, background] = textAndBackground(widget);
        QVERIFY2(background.isValid(), qPrintable(describe(widget)));
        // The surface behind a plain text is really painted in that colour.
        if (!qobject_cast<QAbstractButton *>(widget) && !qobject_cast<QComboBox *>(widget)
            && !qobject_cast<QLineEdit *>(widget) && shown.surface->isAncestorOf(widget)) {
            const QPoint corner = widget->mapTo(shown.surface, QPoint(0, 0));
            const qreal ratio = painted.devicePixelRatio();
            const QColor seen =
                painted.pixelColor(qFloor(corner.x() * ratio) + 1, qFloor(corner.y() * ratio) + 1);
            QVERIFY2(contrast(seen, background) < 1.1,
                     qPrintable(describe(widget) + u" stands on "_s + seen.name() + u", not on "_s
                                + background.name()));
        }
        const double ratio = contrast(text, background);
        const double needed = largeText(widget->font()) ? 3.0 : 4.5;
        QVERIFY2(ratio >= needed, qPrintable(u"%1: %2 on %3 is %4:1"_s.arg(describe(widget))
                                                 .arg(text.name(), background.name())
                                                 .arg(ratio, 0, 'f', 2)));
        if (ratio < lowest) {
            lowest = ratio;
            lowestText = describe(widget) + u": "_s + text.name() + u" on "_s + background.name();
        }
    }
    qInfo("lowest contrast %.2f:1, %s", lowest, qPrintable(lowestText));
}

void TestLooks::everyTextFitsAndEveryOutlineIsWhole_data()
{
    addWindows(true);
}

void TestLooks::everyTextFitsAndEveryOutlineIsWhole()
{
    QFETCH(QString, language);
    QFETCH(windows::Window, window);
    QCOMPARE(texts::speakOnly(QLocale(language)), language);
    const auto english = qScopeGuard([] { texts::speakOnly(QLocale(QLocale::English)); });
    const Shown shown = window.build();
    const QImage painted = picture(shown);
    QVERIFY(!painted.isNull());
    keepShot(painted, {});
    const QList<QWidget *> texts = visibleTexts(shown.window.get());
    for (QWidget *widget : texts) {
        QSize needed;
        const QRect drawn = neededTextRect(widget, &needed);
        if (!qobject_cast<QGroupBox *>(widget)) {
            const QRect room = qobject_cast<QLabel *>(widget)
                                   ? static_cast<QLabel *>(widget)->contentsRect()
                                   : drawn.translated(-widget->pos());
            QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                     qPrintable(u"%1 needs %2x%3 in %4x%5"_s.arg(describe(widget))
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(room.width())
                                    .arg(room.height())));
        }
        const QWidget *parent = widget->parentWidget();
        QVERIFY2(parent->rect().contains(widget->geometry()),
                 qPrintable(describe(widget) + u" reaches out of its parent"_s));
        // No text runs into another control beside it.
        for (QWidget *other : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other == widget || !other->isVisibleTo(parent) || !qobject_cast<QLabel *>(widget))
                continue;
            const bool outline = qobject_cast<QFrame *>(other) && !qobject_cast<QLabel *>(other)
                                 && static_cast<QFrame *>(other)->frameShape() == QFrame::Box;
            // A label inside an outline only meets it at its lines.
            QSize unused;
            const QRect theirs =
                outline ? other->geometry().adjusted(1, 1, -1, -1) : neededTextRect(other, &unused);
            const bool crosses = outline ? drawn.intersects(theirs) && !theirs.contains(drawn)
                                         : drawn.intersects(theirs);
            QVERIFY2(!crosses, qPrintable(describe(widget) + u" runs into "_s + describe(other)));
        }
        // A frame's caption stands clear of everything the frame holds.
        if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            option.rect = frame->rect();
            const QRect caption = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                                 QStyle::SC_GroupBoxLabel, frame);
            QVERIFY2(QFontMetrics(frame->font()).horizontalAdvance(frame->title())
                         <= caption.width(),
                     qPrintable(describe(frame)));
            for (QWidget *inside : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                if (inside->isVisibleTo(frame) && frame->rect().contains(inside->geometry()))
                    QVERIFY2(!caption.intersects(inside->geometry()),
                             qPrintable(describe(frame) + u" is crossed by "_s + describe(inside)));
            }
        }
    }
    // Each outline shows all four of its lines: none falls outside what is painted.
    const qreal ratio = painted.devicePixelRatio();
    for (QFrame *outline : shown.surface->findChildren<QFrame *>()) {
        if (outline->frameShape() != QFrame::Box || !outline->isVisibleTo(shown.surface)
            || qobject_cast<QLabel *>(outline))
            continue;
        const QRect box(outline->mapTo(shown.surface, QPoint(0, 0)), outline->size());
        const QColor line = outline->palette().color(QPalette::WindowText);
        const auto lineAt = [&](int x, int y) {
            // The line may be drawn on either device row of a logical pixel.
            for (int d = -1; d <= 1; ++d) {
                for (int e = -1; e <= 1; ++e) {
                    const QPoint p(qFloor(x * ratio) + d, qFloor(y * ratio) + e);
                    if (painted.rect().contains(p) && contrast(painted.pixelColor(p), line) < 1.5)
                        return true;
                }
            }
            return false;
        };
        const QPoint middle = box.center();
        // The promotions' frame is placed to run off the window's left and bottom edges.
        const QRect inside = shown.surface->rect();
        if (box.top() >= inside.top())
            QVERIFY2(lineAt(middle.x(), box.top()), "an outline has lost its top line");
        if (box.bottom() <= inside.bottom())
            QVERIFY2(lineAt(middle.x(), box.bottom()), "an outline has lost its bottom line");
        if (box.left() >= inside.left())
            QVERIFY2(lineAt(box.left(), middle.y()), "an outline has lost its left line");
        if (box.right() <= inside.right())
            QVERIFY2(lineAt(box.right(), middle.y()), "an outline has lost its right line");
    }
    // The window was built in the language: its words are the catalogue's, once it has them.
    const QString translated = texts::catalogued(window.context, window.source);
    if (language != u"en"_s && translated.isEmpty())
        QSKIP(
            qPrintable(u"fits; but the %1 catalogue has no \"%2\" yet to tell it was in use"_s.arg(
                language, QString::fromUtf8(window.source))));
    if (language != u"en"_s)
        QCOMPARE(widgetNamed<QAbstractButton>(shown.window, window.control)->text(), translated);
}

void TestLooks::timeListsOpenAShortPopup()
{
    Shown shown = windows::mainWindow(true);
    QVERIFY(QTest::qWaitForWindowExposed(shown.window.get()));
    for (QComboBox *list : shown.window->findChildren<QComboBox *>()) {
        if (!list->isVisibleTo(shown.window.get()) || list->count() != 60)
            continue;
        list->showPopup();
        QWidget *popup = list->view()->window();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        const int row = list->view()->sizeHintForRow(0);
        const int rows = list->view()->viewport()->height() / row;
        QVERIFY2(rows >= 10 && rows <= 15, qPrintable(u"%1 rows"_s.arg(rows)));
        QVERIFY(popup->height() < list->screen()->availableGeometry().height() / 2);
        QVERIFY(list->view()->verticalScrollBar()->isVisible());
        qInfo("%s popup: %d px, %d rows of %d px", qPrintable(list->accessibleName()),
              popup->height(), rows, row);
        list->hidePopup();
    }
}

void TestLooks::textOnAnyColourTakesWhicheverOfBlackAndWhiteStandsOutMore()
{
    // The program works out the luminance's power by itself; the library's answers decide here.
    // Where both stand out alike (a luminance near 0.179), either will do.
    for (int r = 0; r <= 255; r += 15) {
        for (int g = 0; g <= 255; g += 5) {
            for (int b = 0; b <= 255; b += 15) {
                const QColor background(r, g, b);
                const QColor chosen = ui::textColourOn(background);
                const QColor other = chosen == QColor(Qt::black) ? Qt::white : Qt::black;
                QVERIFY2(contrast(chosen, background) >= contrast(other, background) - 0.01,
                         qPrintable(background.name()));
            }
        }
    }
}

QTEST_MAIN(TestLooks)
#include "tst_looks.moc"
