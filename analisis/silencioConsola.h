// While it lives, nothing written to standard output is shown: the
// analyses solve a subdivided copy of the user's model, whose warnings the
// user's own solve has already given once.
#pragma once

#include <iostream>
#include <streambuf>

class silencioConsola {
  public:
    silencioConsola() : anterior(std::cout.rdbuf(&nulo)) {}
    ~silencioConsola() { std::cout.rdbuf(anterior); }
    silencioConsola(const silencioConsola&) = delete;
    silencioConsola& operator=(const silencioConsola&) = delete;

  private:
    struct bufferNulo : std::streambuf {
        int overflow(int c) override { return c; }
    };
    bufferNulo nulo;
    std::streambuf* anterior;
};
