// The source the tests' precompiled headers are built with; it holds nothing itself.
