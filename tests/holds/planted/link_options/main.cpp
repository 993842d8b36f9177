// The program every planted link is handed.
int main() { return 0; }
