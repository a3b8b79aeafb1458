/* 循环：for、while 和 do-while 三种写法 */
#include <stdio.h>

int main(void)
{
    int i, j, sum = 0;

    /* for 循环：求 1 + 2 + ... + 100 */
    for (i = 1; i <= 100; i++) {
        sum += i;
    }
    printf("1 到 100 的和是 %d\n", sum);

    /* 循环套循环：九九乘法表 */
    for (i = 1; i <= 9; i++) {
        for (j = 1; j <= i; j++) {
            printf("%d*%d=%-3d", j, i, i * j);
        }
        printf("\n");
    }

    /* while 循环：把一个数的各位数字倒过来 */
    {
        int n = 12345, reversed = 0;
        while (n > 0) {
            reversed = reversed * 10 + n % 10;
            n /= 10;
        }
        printf("12345 倒过来是 %d\n", reversed);
    }

    /* do-while 循环：至少执行一次 */
    i = 10;
    do {
        printf("倒计时 %d\n", i);
        i -= 3;
    } while (i > 0);
    return 0;
}
