// Answers modal dialogs from inside their own event loop, so no test waits on one.
#pragma once

#include <functional>

class QDialog;

// Runs `action` on the next modal dialog that opens (one other than the modal
// dialog active now). If none opens within five seconds, whatever modal is
// open is rejected so the test fails instead of hanging.
void OnNextModal(std::function<void(QDialog*)> action);
// True when an OnNextModal watchdog gave up since the last call.
bool ModalDriverTimedOut();
