#include "reference/rules_text.h"

namespace tavix {
namespace {

// The texts describe the NBA of the 1998-99 season; where a rule has changed since, the line
// names the season, so a reader of a later season is not misled.

const std::vector<std::string> kTeamsAndScoring = {
    " Teams & Scoring...",
    " ",
    " Basketball is played by two teams of five players on a court with a",
    " basket at each end. Each team tries to put the ball through the basket",
    " it attacks and to keep the other team from scoring at the other end.",
    " The team with more points when time runs out wins; an NBA game never",
    " ends in a tie.",
    " ",
    " Points are scored in three ways:",
    "  - a field goal, a basket made from the court while the ball is in",
    "    play, counts 2 points;",
    "  - a field goal from beyond the three-point line counts 3 points; the",
    "    line is 22 feet from the basket in the corners and 23 feet 9 inches",
    "    at the top of the arc (the distance used again since 1997-98);",
    "  - a free throw, an unguarded shot from the free-throw line awarded",
    "    after a foul, counts 1 point.",
    " ",
    " Each team has five players on the court, who usually play these",
    " positions:",
    "  - two guards: the point guard brings the ball up the court and runs",
    "    the plays; the shooting guard is often the best outside shooter;",
    "  - two forwards: the small forward scores from inside and outside;",
    "    the power forward rebounds and plays close to the basket;",
    "  - the center, usually the tallest player, who rebounds, blocks shots",
    "    and scores near the basket.",
    " Substitutes come in from the bench while the ball is dead; a player",
    " who has been taken out may come back in later.",
    " ",
    " An NBA game lasts 48 minutes of playing time: four quarters of 12",
    " minutes each. The clock stops whenever the ball is dead, so a game",
    " takes over two hours. The game starts with a jump ball in the",
    " centre circle: an official tosses the ball up between two players, who",
    " try to tap it to a team-mate. If the score is tied after four quarters,",
    " five-minute overtime periods are played until one team is ahead at",
    " the end of a period.",
    " ",
    " Each team normally plays 82 games in the regular season, half of them",
    " at home. The 1998-99 season began late, in February 1999, and was cut",
    " to 50 games. The eight best teams of each conference then go on to the",
    " play-offs: series between two teams in which the first to win three",
    " games (first round) or four games (later rounds) goes through. The two",
    " conference champions meet in the NBA Finals.",
    " ",
    " The 29 teams play in two conferences (Eastern and Western) of two",
    " divisions each.",
};

const std::vector<std::string> kRoleOfOfficials = {
    " Role of the Officials...",
    " ",
    " Each NBA game is run by three officials on the court: the crew chief,",
    " the referee and the umpire. They are helped at the scorer's table by",
    " the official scorer and two timekeepers, one for the game clock and",
    " one for the 24-second clock.",
    " ",
    " The officials on the court:",
    "  - check the ball, the baskets and the clocks before the game;",
    "  - toss the ball up for the opening jump ball and every other one;",
    "  - blow the whistle for fouls and violations and signal each call;",
    "  - decide whether a basket counts and how many points it is worth;",
    "  - award free throws and throw-ins and hand the ball to the shooter",
    "    or the thrower;",
    "  - wave substitutes onto the court and grant time-outs;",
    "  - call technical fouls and eject players who fight; the crew chief",
    "    leads the crew and decides what the rules do not cover.",
    " ",
    " The official scorer:",
    "  - records the field goals and free throws and keeps the score;",
    "  - records every personal and technical foul and tells the officials",
    "    when a player commits his sixth personal foul;",
    "  - counts each team's fouls in each quarter and signals when a team",
    "    has reached the penalty;",
    "  - records the time-outs charged to each team;",
    "  - sounds the horn to call in substitutes while the ball is dead.",
    " ",
    " The timekeepers:",
    "  - start the game clock when the ball is touched on the court and",
    "    stop it on every whistle;",
    "  - signal the end of each quarter and each overtime period;",
    "  - run the 24-second clock and sound its horn when a team has used",
    "    up its time to shoot.",
};

const std::vector<std::string> kOutOfBounds = {
    " Out of Bounds...",
    " ",
    " The sidelines and baselines that mark the court are themselves out of",
    " bounds. The ball is out of bounds when it touches a line, the floor",
    " outside the lines, a person or object out of bounds, or the supports",
    " or the back of a backboard. A player is out of bounds while he touches",
    " a line or the floor outside it; a ball that touches him is out too.",
    " ",
    " The team of the player who touched the ball last before it went out",
    " loses it, and the other team puts it back in play. A ball that bounces",
    " out off a player counts against his team, even if an opponent threw",
    " it at him.",
    " ",
    " If the officials cannot tell who touched the ball last, or disagree,",
    " the two players involved jump for the ball at the nearest circle.",
    " ",
    " The ball is put back in play by a throw-in from out of bounds at the",
    " spot nearest to where it went out. The thrower has five seconds to",
    " pass it to a player on the court and may not step onto the court",
    " before the ball leaves his hands; if he breaks either rule, the other",
    " team gets the throw-in instead.",
    " ",
    " After a basket is scored, the team scored upon throws the ball in from",
    " behind the baseline under that basket; there the thrower may run along",
    " the line before he passes.",
};

const std::vector<std::string> kShotClock = {
    " 24 Second Clock...",
    " ",
    " The 24-second clock, first used in the 1954-55 season, keeps a team",
    " from holding on to the ball without trying to score: a team that gains",
    " possession must try a field goal within 24 seconds.",
    " ",
    " The clock starts when a team gains possession; on a throw-in, when the",
    " ball is touched on the court. The shot must leave the shooter's hand",
    " before the horn sounds and then hit the rim or go in. If it does not,",
    " the team loses the ball and the other team throws it in.",
    " ",
    " The clock is reset to 24 seconds when a shot hits the rim, when the",
    " other team gains possession and after most fouls by the defence.",
    " A team must also bring the ball from its back court across the",
    " mid-court line within 10 seconds (the rule of the 1998-99 season).",
};

const std::vector<std::string> kTimeOuts = {
    " Time-outs...",
    " ",
    " A time-out stops the game clock so a team can rest or change its plan.",
    " A player asks for one while the ball is dead or his team has it.",
    " ",
    " In 1998-99 each team had 7 regular time-outs of 100 seconds for the",
    " four quarters, at most 4 of them in the fourth quarter and at most 3",
    " in its last two minutes, and one 20-second time-out in each half.",
    " Each overtime period gave each team 3 more regular time-outs.",
    " ",
    " Every quarter must have two time-outs: if none is called before 6:59,",
    " the scorer takes one at the next dead ball for the home team, and if",
    " no second one is called before 2:59, one for the other team.",
    " ",
    " (These are the numbers in force before the changes of 2000-01; a rule",
    " book of 1998-99 itself was not found to confirm them for that season.)",
};

const std::vector<std::string> kFouls = {
    " Fouls...",
    " ",
    " A personal foul is illegal contact with an opponent: holding, pushing,",
    " tripping, charging into or blocking him, or hitting his arm while he",
    " shoots. Each personal foul is charged to the player who made it. A",
    " player who commits his sixth personal foul is out of the game (he has",
    " \"fouled out\") and must be replaced.",
    " ",
    " A foul by a player of the team with the ball (an offensive foul, such",
    " as running into a defender who has his position) gives the ball to",
    " the other team; no free throws are taken for it.",
    " ",
    " A foul on a player in the act of shooting:",
    "  - if the shot misses, the shooter takes 2 free throws, or 3 when he",
    "    was shooting from beyond the three-point line;",
    "  - if the shot goes in, the basket counts and he takes 1 free throw",
    "    (a \"three-point play\" when the basket was worth 2 points).",
    " ",
    " Team fouls: the scorer also counts each team's fouls in each quarter.",
    " After its fourth team foul in a quarter a team is in the penalty: for",
    " every further foul by its defenders the fouled player takes 2 free",
    " throws, even when he was not shooting. Each overtime period has its",
    " own, lower limit. Until a team reaches the penalty, a foul on a player",
    " who is not shooting gives his team the ball out of bounds.",
    " ",
    " Free throws are taken from the free-throw line, 15 feet from the",
    " backboard, within 10 seconds. Nobody may guard the shooter; the other",
    " players line up along the sides of the lane.",
    " ",
    " Unnecessary or excessive contact is a flagrant foul: 2 free throws and",
    " the ball for the team fouled. A severe flagrant foul also means",
    " ejection from the game, and so does fighting.",
    " ",
    " Technical fouls punish conduct rather than contact: abusing an",
    " official, taunting, hanging on the rim, repeated delay of the game or",
    " one time-out too many. In the 1998-99 season zone defences were not",
    " allowed: an illegal defence brought a warning, then technical fouls. A",
    " technical foul gives the other team 1 free throw, and the team that",
    " had the ball keeps it. A player or coach with two technical fouls is",
    " ejected. Technical fouls do not count toward the six personal fouls.",
    " ",
    " Goaltending is a violation, not a foul: touching the ball on its way",
    " down toward the basket above the rim, or while it is on or directly",
    " above the rim. By a defender, the basket counts as if it had gone in;",
    " by an attacker, no points count and the other team gets the ball.",
};

const std::vector<std::string> kStatistics = {
    " Statistics...",
    " ",
    " The NBA standings are printed in the sports pages of most daily",
    " newspapers, usually the morning after each day of games, with the box",
    " scores of the games. They are also published on the league's web",
    " site, www.nba.com, and on other sports news sites.",
    " ",
    " Common statistics:",
    "  - for players: points, rebounds and assists per game, field-goal,",
    "    three-point and free-throw percentages, steals, blocked shots,",
    "    turnovers and minutes played;",
    "  - for teams: games won and lost, winning percentage, games behind",
    "    the division leader, points scored and points allowed per game.",
    " ",
    " Tavix needs four figures for each team, found in the standings and",
    " the team statistics: games won, games lost, the average number of",
    " points the team scores per game and the average number of points it",
    " allows per game.",
    " ",
    " Enter them with Update Statistics. Once a week is enough; update more",
    " often early in the season, when a few games still change the averages",
    " a lot, and before you make predictions. Set the date of the standings",
    " you used, so the predictions show how current the figures are.",
    " ",
    " For more help on each field, press the Info button (Help on",
    " statistics) in the statistics window.",
};

const std::vector<std::string> kNoLines;

}  // namespace

const std::vector<std::string>& RulesTopicLines(int topicIndex) {
    switch (static_cast<RulesTopic>(topicIndex)) {
        case RulesTopic::TeamsAndScoring:
            return kTeamsAndScoring;
        case RulesTopic::RoleOfOfficials:
            return kRoleOfOfficials;
        case RulesTopic::OutOfBounds:
            return kOutOfBounds;
        case RulesTopic::ShotClock:
            return kShotClock;
        case RulesTopic::TimeOuts:
            return kTimeOuts;
        case RulesTopic::Fouls:
            return kFouls;
        case RulesTopic::Statistics:
            return kStatistics;
        case RulesTopic::TheCourt:
            break;
    }
    return kNoLines;
}

}  // namespace tavix
