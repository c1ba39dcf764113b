/* Runs only where the kernel executes programs of this target. */
int main(void) { return 0; }
