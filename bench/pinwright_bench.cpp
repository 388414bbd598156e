// pinwright-bench: what Pinwright's start-up and its generate command cost.
//
//   window   starts the real window and exits as soon as its first frame is painted
//   floor    the same for a bare window of the same size showing one line of Chinese text in the
//            window's 宋体 9 pt: no program that shows Chinese starts faster than this
//   press    times buildcode_Click for every panel key against the code box update alone
//
// window and floor are meant to be timed as whole processes (bench/run-benchmarks does it with
// hyperfine and /usr/bin/time); both go through the same steps, prepareApplication included, so
// that Qt's translations load alike. With --stages they also print to stderr how long each step
// took since main() was entered.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "app/application.h"
#include "app/codebox.h"
#include "app/mainform.h"
#include "model/layout.h"
#include "model/paneltables.h"
#include "model/text.h"
#include "panels/fonts.h"
#include "panels/panelstack.h"

using namespace Qt::StringLiterals;

namespace {

QElapsedTimer sinceMain;
bool reportStages = false;

void stage(const char *what)
{
    if (reportStages)
        std::fprintf(stderr, "%8.2f ms  %s\n", double(sinceMain.nsecsElapsed()) / 1e6, what);
}

// Ends the event loop once the watched window has painted its first frame. The exit is queued, so
// it runs after the whole frame (the window and all its children) has been painted and flushed.
class FirstFrame final : public QObject {
public:
    explicit FirstFrame(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            stage("first paint event");
            // quit() would ask the window to close, and the window asks the user first.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    stage("first frame done");
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};

int startUp(QApplication &app, const std::function<std::unique_ptr<QWidget>()> &makeWindow)
{
    stage("QApplication");
    Pinwright::prepareApplication(app);
    stage("prepareApplication");
    std::unique_ptr<QWidget> window = makeWindow();
    stage("window constructed");
    new FirstFrame(window.get());
    window->show();
    stage("show()");
    const int status = QApplication::exec();
    window.reset();
    stage("window destroyed");
    return status;
}

std::unique_ptr<QWidget> floorWindow()
{
    auto window = std::make_unique<QLabel>(u"请先选择好函数的配置，然后点击生成代码"_s);
    window->setFont(Fonts::windowDefault());
    window->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    window->setFixedSize(pixels(10710), pixels(7575)); // MainForm's client area, 714 x 505
    return window;
}

// Records what the generate command writes, without a text box.
class CapturedCode final : public CodeWindow {
public:
    QString showcode;
    void setShowcode(const QString &text) override { showcode = text; }
    void setTips(const QString &) override {}
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Microseconds per call of `work`, over one batch of calls.
double microsPerCall(int batch, const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < batch; ++i)
        work();
    const double us = double(timer.nsecsElapsed()) / 1e3 / batch;
    QCoreApplication::processEvents(); // paint outside the timed part
    return us;
}

int press(int rounds)
{
    constexpr int kBatch = 50;
    MainForm window;
    window.show();
    QCoreApplication::processEvents();

    std::printf("key      press us  update us  ratio\n");
    double worst = 0;
    for (const PanelEntry &entry : kPanelRegistry) {
        const QString key = entry.key().toString();
        window.TreeView_NodeClick(key);
        if (key == u"ADC2") {
            for (int i = 0; i < 6; ++i) {
                if (QComboBox *list = window.panels().combo(i))
                    list->setCurrentIndex(0);
            }
        }
        CapturedCode captured;
        window.adc().buildcode_Click(captured);
        const QString text = captured.showcode;
        window.buildcode_Click(); // the status line changes on the first press only

        // Batches of the two alternate, so that both see the same machine.
        std::vector<double> pressSamples, updateSamples;
        for (int r = 0; r < rounds; ++r) {
            pressSamples.push_back(microsPerCall(kBatch, [&] { window.buildcode_Click(); }));
            updateSamples.push_back(
                microsPerCall(kBatch, [&] { window.showcode()->setText(text); }));
        }
        const double pressUs = median(pressSamples);
        const double updateUs = median(updateSamples);
        worst = std::max(worst, pressUs / updateUs);
        std::printf("%-7s %9.1f %10.1f %6.3f\n", qPrintable(key), pressUs, updateUs,
                    pressUs / updateUs);
    }
    std::printf("largest ratio %.3f\n", worst);
    return 0;
}

int usage()
{
    std::fputs("usage: pinwright-bench window|floor [--stages]\n"
               "       pinwright-bench press [rounds]   (rounds 1 to 10000, default 200)\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    sinceMain.start();
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    const QByteArray option = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    if (argc > 3 || (mode != "window" && mode != "floor" && mode != "press"))
        return usage();

    int rounds = 200;
    if (mode == "press" && !option.isEmpty()) {
        bool ok = false;
        rounds = option.toInt(&ok);
        if (!ok || rounds < 1 || rounds > 10000)
            return usage();
    } else if (mode != "press" && !option.isEmpty()) {
        if (option != "--stages")
            return usage();
        reportStages = true;
    }

    QApplication app(argc, argv);
    if (mode == "press") {
        Pinwright::prepareApplication(app);
        return press(rounds);
    }
    if (mode == "window")
        return startUp(app, [] { return std::make_unique<MainForm>(); });
    return startUp(app, floorWindow);
}
