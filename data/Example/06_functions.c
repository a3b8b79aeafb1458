/* 函数：把一件事写成一个函数，就可以反复使用 */
#include <stdio.h>

/* 函数要先声明或定义，才能调用 */
int is_prime(int n);
long factorial(int n);
int gcd(int a, int b);

int main(void)
{
    int n;

    printf("100 以内的素数：");
    for (n = 2; n < 100; n++) {
        if (is_prime(n)) {
            printf("%d ", n);
        }
    }
    printf("\n");

    for (n = 1; n <= 10; n++) {
        printf("%d! = %ld\n", n, factorial(n));
    }

    printf("36 和 48 的最大公约数是 %d\n", gcd(36, 48));
    return 0;
}

/* 判断素数：是素数返回 1，不是返回 0 */
int is_prime(int n)
{
    int d;
    if (n < 2) return 0;
    for (d = 2; d * d <= n; d++) {
        if (n % d == 0) return 0;
    }
    return 1;
}

/* 递归：函数调用自己，n! = n * (n-1)! */
long factorial(int n)
{
    if (n <= 1) return 1;
    return n * factorial(n - 1);
}

/* 辗转相除法求最大公约数 */
int gcd(int a, int b)
{
    while (b != 0) {
        int r = a % b;
        a = b;
        b = r;
    }
    return a;
}
