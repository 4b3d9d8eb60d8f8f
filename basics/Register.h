#pragma once

// Makes the persistent classes of the basic types known to the class registry.
void RegisterBasicsClasses();
