#include "ChannelDB.h"
