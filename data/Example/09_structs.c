/* 结构体：把学生的姓名、学号和成绩放在一起 */
#include <stdio.h>

struct Student {
    char name[20];
    int id;
    double score;
};

/* 传指针给函数，函数里不用复制整个结构体 */
void print_student(const struct Student *s)
{
    printf("%-8s 学号 %d  成绩 %.1f\n", s->name, s->id, s->score);
}

int main(void)
{
    struct Student class_list[] = {
        {"张三", 1001, 86.5},
        {"李四", 1002, 92.0},
        {"王五", 1003, 78.5},
        {"赵六", 1004, 95.5},
    };
    int count = sizeof class_list / sizeof class_list[0];   /* 数组里有几个元素 */
    int i, best = 0;
    double total = 0;

    for (i = 0; i < count; i++) {
        print_student(&class_list[i]);
        total += class_list[i].score;
        if (class_list[i].score > class_list[best].score) {
            best = i;
        }
    }

    printf("平均成绩 %.2f\n", total / count);
    printf("最高分：");
    print_student(&class_list[best]);
    return 0;
}
