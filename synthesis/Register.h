#pragma once

// Gives every circuit view made afterwards the commands of the "Synthese" menu.
void RegisterSynthesisCommands();
