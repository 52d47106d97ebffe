#include "platform/prompt_port.h"

const char* const kCaption = "Tavコピーツール";
