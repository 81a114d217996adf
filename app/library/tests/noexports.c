/* A stand-in for the conversion library that exports none of its calls. */
int pagewright_test_placeholder(void);
int pagewright_test_placeholder(void)
{
    return 0;
}
