#pragma once

// Makes the symbol framework's persistent classes known to the class registry.
void RegisterEditorClasses();
