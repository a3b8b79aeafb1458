/* 条件判断：根据分数给出等级 */
#include <stdio.h>

int main(void)
{
    int score;

    printf("请输入分数（0 到 100）：");
    if (scanf("%d", &score) != 1) {
        printf("请输入一个整数。\n");
        return 1;
    }

    if (score < 0 || score > 100) {          /* || 表示“或者” */
        printf("分数必须在 0 到 100 之间。\n");
    } else if (score >= 90) {
        printf("优秀\n");
    } else if (score >= 80) {
        printf("良好\n");
    } else if (score >= 60) {
        printf("及格\n");
    } else {
        printf("不及格，继续加油！\n");
    }

    /* 用 % 求余数来判断奇偶 */
    if (score % 2 == 0) {
        printf("%d 是偶数\n", score);
    } else {
        printf("%d 是奇数\n", score);
    }
    return 0;
}
