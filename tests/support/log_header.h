#pragma once
// The point log's header for the default charges, byte for byte in Windows-1251 with CR LF.

inline constexpr char kDefaultLogHeader[] =
    "\xF4\xE0\xE9\xEB \xE4\xEB\xFF \xE2\xFB\xE2\xEE\xE4\xE0 "
    "\xE4\xE0\xED\xED\xFB\xF5\r\n"
    "q1= 0.4 \xED\xCA\xEB\r\n"
    "q2= -0.1 \xED\xCA\xEB\r\n"
    "a= 0.5 \xEC\r\n"
    "x,\xEC          y,\xEC           fi,\xC2           "
    "Ex,\xC2/\xEC        \xC5y,\xC2/\xEC\r\n";
