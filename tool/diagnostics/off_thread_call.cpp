#include "diagnostics/off_thread_call.h"

#include <QEventLoop>
#include <QThread>
#include <exception>
#include <memory>

namespace dorvane {

void RunOffThread(const std::function<void()>& call) {
  std::exception_ptr failure;
  std::unique_ptr<QThread> worker(QThread::create([&call, &failure] {
    try {
      call();
    } catch (...) {
      failure = std::current_exception();
    }
  }));
  QEventLoop loop;
  // Queued to this thread, so a worker that ends before exec() still ends the loop.
  QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
  worker->start();
  loop.exec();
  worker->wait();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace dorvane
