// Stands for the core library whose routine the planted links replace.
int Read() { return 1; }
