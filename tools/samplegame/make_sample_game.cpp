#include "tools/samplegame/sample_game.h"
int main() { return 0; }
