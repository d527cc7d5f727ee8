// The about box: its texts, shown without blocking, and the three ways it
// closes.
#include "FileCommandsFixture.h"

#include "app/About.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

namespace {

// Runs the event loop until `done` or two seconds pass.
template <typename F>
bool WaitFor(F done)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

}  // namespace

class AboutTest : public FileCommandsTest {
protected:
    // The box the about command shows, or null.
    TAbout* ShowAbout()
    {
        Main().actAboutExecute();
        return Main().findChild<TAbout*>();
    }
};

TEST_F(AboutTest, ShowsTheProgramNameAndTheVersionOfItsFileWithoutBlocking)
{
    TAbout* about = ShowAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->ProductName()->text(), QStringLiteral("Caloriva"));
    EXPECT_EQ(about->Version()->text(), QStringLiteral("Версия ") + QStringLiteral(CALORIVA_TEST_VERSION));
    EXPECT_FALSE(about->ProgramIcon()->pixmap().isNull());
}

TEST_F(AboutTest, ClosesOnEscAndOnADoubleClickOnItsPicture)
{
    for (bool byEsc : {true, false}) {
        SCOPED_TRACE(byEsc ? "Esc" : "double click");
        QPointer<TAbout> about = ShowAbout();
        ASSERT_FALSE(about.isNull());
        if (byEsc) {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(about.data(), &esc);
        } else {
            QLabel* icon = about->ProgramIcon();
            const QPointF at(icon->width() / 2.0, icon->height() / 2.0);
            QMouseEvent dbl(QEvent::MouseButtonDblClick, at, icon->mapToGlobal(at), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(icon, &dbl);
        }
        // Closed and freed: the box exists for one showing.
        EXPECT_TRUE(WaitFor([&] { return about.isNull(); }));
    }
}

TEST_F(AboutTest, ClosesWhenItLosesTheFocus)
{
    QPointer<TAbout> about = ShowAbout();
    ASSERT_FALSE(about.isNull());
    about->activateWindow();
    if (!WaitFor([&] { return about->isActiveWindow(); }))
        GTEST_SKIP() << "the window system gives no focus to windows here";
    QWidget other;
    other.show();
    other.activateWindow();

    EXPECT_TRUE(WaitFor([&] { return about.isNull(); }));
}
