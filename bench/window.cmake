wellscope_bench(bench_window QT LIBS wellscope_window_main Qt6::Test SOURCES window_bench.cpp)
