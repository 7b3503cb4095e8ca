#include "uptime/constant_block.h"

const ConstantBlock kConstantBlock = {1000.0, 86400.0, 3600.0, 60.0, "天", "时", "分", "秒"};
