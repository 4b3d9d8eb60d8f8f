#pragma once

// Everything a program of the workbench registers before it opens a circuit: the classes, the
// symbols of every library with their dialogs, the models the instruments simulate them with,
// the circuit view's commands, and the resources.
void RegisterAll();
