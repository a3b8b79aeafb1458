/* 指针：指针里存的是变量的地址 */
#include <stdio.h>

/* 通过指针，函数可以改变调用者的变量 */
void swap(int *a, int *b)
{
    int t = *a;
    *a = *b;
    *b = t;
}

int main(void)
{
    int x = 3, y = 7;
    int numbers[5] = {10, 20, 30, 40, 50};
    int *p;
    const char *text = "pointer";
    const char *c;

    printf("交换前 x = %d, y = %d\n", x, y);
    swap(&x, &y);                /* & 取出变量的地址 */
    printf("交换后 x = %d, y = %d\n", x, y);

    p = numbers;                 /* 数组名就是第一个元素的地址 */
    printf("*p = %d, *(p + 2) = %d\n", *p, *(p + 2));
    for (p = numbers; p < numbers + 5; p++) {
        *p += 1;                 /* * 取出指针所指的变量 */
    }
    printf("每个元素加 1 以后：%d %d %d %d %d\n",
           numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]);

    /* 用指针一个一个地走过字符串，直到 '\0' */
    for (c = text; *c != '\0'; c++) {
        printf("%c ", *c);
    }
    printf("\n字符串 \"%s\" 有 %ld 个字符\n", text, (long)(c - text));
    return 0;
}
