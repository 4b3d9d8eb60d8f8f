#pragma once

// Makes the symbol framework's persistent classes known to the class registry and its
// symbols' keys to the document's symbol registry; adds the circuit view's commands.
void RegisterEditorClasses();
