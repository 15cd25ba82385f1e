// Turns SIGTERM and SIGHUP (a kill, a closed terminal, a logout) into a Qt signal delivered by
// the event loop, where the program may still write files before it ends.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace kwarcyt {

class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  // One per process: it owns the process's handlers of both signals.
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;

 signals:
  void received(int signalNumber);

 private:
  void Deliver();

  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace kwarcyt
