#include "lines/models/Register.h"

void RegisterLineModels() {}
