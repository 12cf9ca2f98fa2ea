#include "platform/qt/trace.h"

#include <QEvent>
#include <QObject>
#include <QSet>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tappon::trace {

namespace detail {

void* sink = nullptr;

void write(std::string_view kind, std::string_view text)
{
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
    auto* file = static_cast<std::FILE*>(sink);
    std::fprintf(file, "%lld %.*s %.*s\n", static_cast<long long>(ns), static_cast<int>(kind.size()), kind.data(),
                 static_cast<int>(text.size()), text.data());
    // Line by line, so that a reader following the file sees each event at once.
    std::fflush(file);
}

}  // namespace detail

void openFromEnvironment()
{
    const char* path = std::getenv("TAPPON_TRACE");
    if (!path || !*path || detail::sink)
        return;
    detail::sink = std::fopen(path, "a");
    if (!detail::sink) {
        std::fprintf(stderr, "tappon: cannot open the trace file %s\n", path);
        return;
    }
    event("start");
}

namespace {

class WindowWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            trace::event("shown", watched->objectName().toStdString());
        } else if (event->type() == QEvent::Expose && watched->isWindowType()) {
            auto* window = static_cast<QWindow*>(watched);
            if (window->isExposed() && !mapped_.contains(window)) {
                mapped_.insert(window);
                connect(window, &QObject::destroyed, this, [this, window] { mapped_.remove(window); });
                trace::event("mapped", window->objectName().toStdString());
            }
        } else if (event->type() == QEvent::Hide && watched->isWindowType()) {
            mapped_.remove(static_cast<QWindow*>(watched));
        }
        return false;
    }

private:
    QSet<QWindow*> mapped_;
};

}  // namespace

void watchWindows(QObject& application)
{
    if (!enabled())
        return;
    application.installEventFilter(new WindowWatcher(&application));
}

}  // namespace tappon::trace
