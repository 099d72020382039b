#pragma once

class QWidget;

// For the start-up benchmark only. With IPPONMICHI_BENCH_QUIT_WHEN_SHOWN=1 in
// the environment, the program writes the line "shown" to standard output as
// soon as `window` has painted its first frame, and then ends with exit code 0
// (no farewell, nothing else). Without that variable this does nothing.
void QuitWhenShownForBenchmark(QWidget& window);
