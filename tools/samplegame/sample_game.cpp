#include "tools/samplegame/sample_game.h"
