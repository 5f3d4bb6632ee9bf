#pragma once
// Moves the calling thread (and the threads and programs it starts later)
// into a network namespace of its own with only loopback up: whatever the
// code under test sends then cannot leave the machine's namespace.

#include <QString>
#include <QStringList>

// Empty on success, else why not. Further "ip" commands (each a list of
// arguments) set up the namespace after loopback.
QString EnterPrivateNetwork(const QList<QStringList>& ipCommands = {});
