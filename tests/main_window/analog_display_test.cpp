// (Being written.)
