#include "workbench/window/TerminationSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace kwarcyt {
namespace {

// Written by the handler, read by the event loop: a handler may do little more than write().
int pipeEnds[2] = {-1, -1};

void Handle(int signalNumber) {
  const auto byte = static_cast<unsigned char>(signalNumber);
  [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
}

constexpr int kSignals[] = {SIGTERM, SIGHUP};

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0) return;
  notifier_ = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::Deliver);
  struct sigaction action {};
  action.sa_handler = Handle;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signalNumber : kSignals) sigaction(signalNumber, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
  if (notifier_ == nullptr) return;
  for (const int signalNumber : kSignals) std::signal(signalNumber, SIG_DFL);
  ::close(pipeEnds[0]);
  ::close(pipeEnds[1]);
  pipeEnds[0] = pipeEnds[1] = -1;
}

void TerminationSignals::Deliver() {
  unsigned char byte = 0;
  if (::read(pipeEnds[1], &byte, 1) == 1) emit received(byte);
}

}  // namespace kwarcyt
