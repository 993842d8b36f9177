// A program that takes every object of one layer and the layers below it
// and calls nothing: it links only when none of them calls into a layer
// above.
int main() { return 0; }
