#pragma once
// The framework's own string resources (framework/framework.rc), shown by
// the data exchange and the help command.

#define IDP_FAILED_TO_LAUNCH_HELP 0xF107
#define IDP_PARSE_INT 0xF110
#define IDP_PARSE_INT_RANGE 0xF112
