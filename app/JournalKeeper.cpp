#include "app/JournalKeeper.h"

#include "app/JournalWindow.h"
#include "journal/JournalStore.h"
#include "services/Clock.h"
#include "ui/ProgramWindow.h"

#include <QGuiApplication>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace app {

namespace {

// Long enough for the window to be on the screen first: opening the journal's file may take
// longer than the start itself.
constexpr int kRecordDelayMs = 2000;

} // namespace

JournalKeeper::JournalKeeper(journal::JournalStore &store, const services::Clock &clock,
                             QObject *parent, std::chrono::milliseconds retryEvery)
    : QObject(parent), m_store(store), m_clock(clock)
{
    m_recordDelay.setSingleShot(true);
    m_recordDelay.setInterval(kRecordDelayMs);
    m_retry.setInterval(retryEvery);
    connect(&m_recordDelay, &QTimer::timeout, this, &JournalKeeper::writeRecords);
    connect(&m_retry, &QTimer::timeout, this, &JournalKeeper::retryWaiting);
}

JournalKeeper::~JournalKeeper()
{
    flush();
    delete m_window;
}

void JournalKeeper::record(QDate day, int card)
{
    m_records.append({day, card});
    if (!m_recordDelay.isActive())
        m_recordDelay.start();
}

void JournalKeeper::keep(QDate day, int card)
{
    m_kept.emplace(day, card);
    if (!m_recordDelay.isActive())
        m_recordDelay.start();
}

void JournalKeeper::writeRecords()
{
    m_recordDelay.stop();
    // First, so that a card drawn since is the day's latest.
    if (m_kept)
        m_store.record(m_kept->first, m_kept->second);
    m_kept.reset();
    for (const auto &[day, card] : std::as_const(m_records))
        m_store.record(day, card);
    m_records.clear();
    if (m_store.hasPending())
        retryLater();
}

void JournalKeeper::retryLater()
{
    if (!m_retry.isActive())
        m_retry.start();
}

// The window, while open, has its typing written first and its days read again if need be.
void JournalKeeper::retryWaiting()
{
    const bool done = m_window ? m_window->retry() : m_store.flush();
    // What could never be written is kept to the end, not offered again and again.
    if (done || !m_store.status().takesNotes)
        m_retry.stop();
}

void JournalKeeper::showWindow()
{
    if (!m_window) {
        writeRecords();
        m_window = new JournalWindow(m_store, m_clock.today());
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_window, &JournalWindow::waiting, this, &JournalKeeper::retryLater);
        if (m_window->isWaiting())
            retryLater();
        keepAboveOpener();
        m_window->show();
        ui::centreOnScreen(m_window);
    }
    m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
}

// A tiling Wayland compositor (sway) tiles a resizable window under the floating main window,
// which then covers it; a window that names the main window as its parent floats above it
// there, as it does where windows float anyway. X11 desktops are left to place it as before.
void JournalKeeper::keepAboveOpener()
{
    const auto *opener = qobject_cast<const QWidget *>(parent());
    if (!opener || !opener->isVisible() || !opener->windowHandle()
        || !QGuiApplication::platformName().startsWith(u"wayland"_s))
        return;
    m_window->winId();
    m_window->windowHandle()->setTransientParent(opener->windowHandle());
}

JournalWindow *JournalKeeper::window() const
{
    return m_window;
}

void JournalKeeper::finish()
{
    // Its note is written as it closes.
    if (m_window)
        m_window->close();
    flush();
}

void JournalKeeper::flush()
{
    // A kept card alone is not worth loading the journal for as the program ends.
    if (m_records.isEmpty() && !m_window && !m_store.hasPending())
        m_kept.reset();
    writeRecords();
    if (m_window)
        m_window->flush();
    if (m_store.flush())
        m_retry.stop();
}

} // namespace app
