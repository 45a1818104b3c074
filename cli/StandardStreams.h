#pragma once

// Makes standard input and output carry bytes unchanged (no CR LF translation on Windows), so
// that both builds print the same bytes and read the same lines.
void UseBinaryStandardStreams();
