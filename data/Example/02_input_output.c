/* 输入与输出：读入两个整数，输出它们的和、差、积与平均值 */
#include <stdio.h>

int main(void)
{
    int a, b;

    printf("请输入两个整数，用空格隔开：");
    if (scanf("%d %d", &a, &b) != 2) {   /* scanf 返回成功读入的个数 */
        printf("输入的不是两个整数。\n");
        return 1;
    }

    printf("%d + %d = %d\n", a, b, a + b);
    printf("%d - %d = %d\n", a, b, a - b);
    printf("%d * %d = %d\n", a, b, a * b);
    /* 先把整数转换成 double，才能得到带小数的平均值 */
    printf("平均值 = %.2f\n", (a + (double)b) / 2);
    return 0;
}
