#pragma once

// A write past the file-size limit (a quota, a small "ulimit -f") sends the process SIGXFSZ, which
// ends it by default. Ignored, the write fails with EFBIG instead ("File too large"), and every
// save reports it like any other failure, keeping the old file. Called once at start-up.
void ignoreFileSizeSignal();
